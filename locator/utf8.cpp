#include "locator/utf8.h"

namespace quillmark {

DecodedCharacter decodeUtf8(std::string_view text) {
    if (text.empty()) return {kReplacementCharacter, 0};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    std::size_t length;
    char32_t code;
    // The second byte's range rules out overlong forms, surrogates and values
    // above U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {kReplacementCharacter, 1};
    }
    if (text.size() < length) return {kReplacementCharacter, 1};
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char c = byte(i);
        if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xBF))
            return {kReplacementCharacter, 1};
        code = code << 6 | (c & 0x3F);
    }
    return {code, length};
}

std::u32string decodeUtf8Text(std::string_view text) {
    std::u32string wide;
    wide.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const DecodedCharacter c = decodeUtf8(text.substr(i));
        wide += c.code;
        i += c.length;
    }
    return wide;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace quillmark
