// Coordinate texts in degrees-minutes-seconds notation, such as 113°15'53.76"E,
// and the one rule by which the program reads an integer from text.
//
// Texts are UTF-8 and every position counts code points: the degree sign
// U+00B0 is one character. No operation splits a multi-byte sequence, and
// invalid UTF-8 is carried through byte by byte without harm.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "locator/angle.h"

namespace quillmark {

// A text that ParseInteger rejects. what() is "'<text>' is not a valid integer
// value" with the whole text, unchanged.
class InvalidInteger : public std::runtime_error {
public:
    explicit InvalidInteger(std::string_view text);
    const std::string& text() const noexcept { return m_text; }

private:
    std::string m_text;
};

// Leading spaces (code 32 only), at most one sign, then decimal digits within
// the int32 range, or hexadecimal after "$", "x", "X" or "0x" (32 bits, read as
// two's complement: "$FFFFFFFF" is -1). Throws InvalidInteger otherwise.
std::int32_t ParseInteger(std::string_view text);

// True when the text without its leading and trailing Blanks (codes 0..32) is
// a non-empty run of the digits 0-9.
bool IsDigitText(std::string_view text);

// Decimal digits with a leading "-" for negative numbers; 0 gives "0".
std::string DecimalText(std::int32_t n);

// The text without leading and trailing Blanks (codes 0..32).
std::string TrimBlanks(std::string_view text);
// The text without leading Blanks.
std::string TrimLeadingBlanks(std::string_view text);

// The component before the degree sign (0..179), between the degree sign and the
// minute mark (0..59), or between the minute mark and the second mark or "."
// (0..59), read from a text whose leading Blanks are already gone. Nothing when
// the part is not a digit text or is out of range, or when a mark that bounds it
// is missing (the degree sign; it and the minute mark; the minute and second
// marks). Throws InvalidInteger for a digit text that ParseInteger rejects.
std::optional<std::int32_t> ExtractDegrees(std::string_view t);
std::optional<std::int32_t> ExtractMinutes(std::string_view t);
std::optional<std::int32_t> ExtractSeconds(std::string_view t);

// Whether the text contains `first` and whether it contains `second`. Letters
// are ASCII; a byte above 127 is never found.
struct HemisphereLetters {
    bool First;
    bool Second;
};
HemisphereLetters FindHemisphereLetters(std::string_view t, char first, char second);

// The trimmed text with one component replaced by `degrees`, `minutes` or
// `seconds` exactly as given (the seconds' fraction goes with them). When a mark
// that bounds the component is missing, the trimmed text comes back unchanged.
std::string ReplaceDegrees(std::string_view t, std::string_view degrees);
std::string ReplaceMinutes(std::string_view t, std::string_view minutes);
std::string ReplaceSeconds(std::string_view t, std::string_view seconds);

// The trimmed text with the first `first` and then the first `second` removed
// and `letter` appended. A byte above 127 is neither removed nor appended, so
// valid UTF-8 stays valid.
std::string SetHemisphereLetter(std::string_view t, char letter, char first, char second);

// The text with the look-alikes that Chinese input methods type in place of the
// notation's characters turned into those characters: ’ ‘ ′ into ', ” “ ″ into
// ", º ˚ into °, the ideographic full stop 。 into ".", and the full-width forms
// U+FF01..U+FF5E (！ to ～: digits, letters, marks) into their ASCII twins.
// Each character maps to one character on its own, so the result has as many
// characters as the text and mapping any piece of a text maps that piece alone;
// mapping twice changes nothing more. Everything else, the ideographic space
// U+3000 and invalid UTF-8 included, is carried through unchanged:
// mapLookAlikes("１１３º１５’５３。７６”Ｅ") is 113°15'53.76"E.
std::string mapLookAlikes(std::string_view text);

// `c` in upper case when it is a lower-case letter (Unicode category Ll) whose
// upper case is a single character, else `c`: what the coordinate boxes do to
// each typed letter. "ß" and "ŉ" stay as they are.
char32_t upperCaseLetter(char32_t c);

// The text with upperCaseLetter applied to every character; invalid UTF-8 is
// carried through byte by byte.
std::string upperCaseLetters(std::string_view text);

// The seconds between the minute mark and the second mark, with their
// fraction, exactly: where ExtractSeconds gives whole seconds n, n plus the
// digits after the "." (any number of them, of which at most Angle::kDecimals
// may be other than trailing zeros), and nothing when the fraction is anything
// else. Throws InvalidInteger where ExtractSeconds does.
std::optional<Angle> ExtractExactSeconds(std::string_view t);

// The value of a text in the notation's plain form and nothing else: 1 to 3
// digits of degrees (0..179), "°", 1 or 2 digits of minutes (0..59), "'", 1 or
// 2 digits of seconds (0..59), optionally "." and 1 to 18 digits, the second
// mark and then `positive` or `negative` (upper-case letters), which makes the
// value negative. Nothing for any other text, which may still be a coordinate
// by the general rules; where this gives a value, ExtractDegrees,
// ExtractMinutes, ExtractExactSeconds and FindHemisphereLetters give the same.
// One pass and no allocation, for reading many lines fast.
std::optional<Angle> readPlainDmsText(std::string_view t, char positive, char negative);

// The value of a line that the notation reads in full and that holds nothing
// else: degrees, minutes and seconds between their marks as ExtractDegrees,
// ExtractMinutes and ExtractExactSeconds take them, one of the two letters at
// the start or the end, and blanks. Nothing for any other line, one that
// holds both letters or makes ParseInteger throw included:
// readDmsLine(" 23° 6'32.02\"N", 'N', 'S') is 23°6'32.02"N, and
// readDmsLine("113°15'53\"", 'E', 'W') is nothing.
std::optional<Angle> readDmsLine(std::string_view line, char positive, char negative);

// `angle` in the notation: whole degrees, "°", whole minutes, "'", the seconds
// with only the decimals they need (none for whole seconds), the second mark
// and `positive` for zero and above or `negative` below:
// dmsText(Angle::fromDms(113, 17, 30, false), 'E', 'W') is 113°17'30"E, and
// -(2 deg 4.5 sec) gives 2°0'4.5"W. What ExtractDegrees, ExtractMinutes and
// ExtractExactSeconds read back when the degrees are 0..179.
std::string dmsText(Angle angle, char positive, char negative);

}  // namespace quillmark
