// UTF-8, one code point at a time, for the rules that count or change
// characters rather than bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillmark {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

struct DecodedCharacter {
    char32_t code;
    std::size_t length;  // bytes taken, at least 1 unless the text is empty
};

// The code point at the start of `text`. A byte that does not begin a
// well-formed sequence (a stray continuation byte, an overlong form, a
// surrogate, a value above U+10FFFF, a cut-off sequence) is taken alone as
// U+FFFD, so that every byte of any text is taken exactly once.
DecodedCharacter decodeUtf8(std::string_view text);

// Every code point of `text`, decodeUtf8 after decodeUtf8.
std::u32string decodeUtf8Text(std::string_view text);

// Appends `code` (at most U+10FFFF, not a surrogate) in UTF-8.
void appendUtf8(std::string& out, char32_t code);

}  // namespace quillmark
