#include "locator/dms_text.h"

#include <string>

namespace quillmark {
namespace {

// The degree sign U+00B0 in UTF-8. Its lead byte never continues another
// sequence, so every occurrence of these two bytes is the character itself.
constexpr std::string_view kDegreeSign = "\xC2\xB0";
constexpr char kMinuteMark = '\'';
constexpr char kSecondMark = '"';
constexpr auto npos = std::string_view::npos;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
bool IsAscii(char c) { return static_cast<unsigned char>(c) < 128; }
bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
    if (IsDecimalDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Blanks are single bytes and every byte of a multi-byte sequence is above 127,
// so trimming bytes never cuts into a character.
std::string_view WithoutLeadingBlanks(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    return text.substr(begin);
}

std::string_view WithoutBlanks(std::string_view text) {
    text = WithoutLeadingBlanks(text);
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return text.substr(0, end);
}

std::string_view CutBefore(std::string_view text, char mark) {
    return text.substr(0, text.find(mark));
}

// The component's value when `part` is a digit text within 0..max.
std::optional<std::int32_t> ReadComponent(std::string_view part, std::int32_t max) {
    if (!IsDigitText(part)) return std::nullopt;
    const std::int32_t n = ParseInteger(part);
    if (n < 0 || n > max) return std::nullopt;
    return n;
}

std::string Concat(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string result;
    result.reserve(a.size() + b.size() + c.size());
    result.append(a).append(b).append(c);
    return result;
}

[[noreturn]] void Reject(std::string_view text) { throw InvalidInteger(text); }

}  // namespace

InvalidInteger::InvalidInteger(std::string_view text)
    : std::runtime_error(Concat("'", text, "' is not a valid integer value")), m_text(text) {}

std::int32_t ParseInteger(std::string_view text) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ') ++i;

    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }

    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        i += 1;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == n) Reject(text);

    std::uint32_t value = 0;
    if (hex) {
        for (; i < n; ++i) {
            const int digit = HexDigitValue(text[i]);
            if (digit < 0 || value > 0x0FFF'FFFFu) Reject(text);
            value = value << 4 | static_cast<std::uint32_t>(digit);
        }
    } else {
        const std::uint32_t limit = negative ? 2147483648u : 2147483647u;
        for (; i < n; ++i) {
            if (!IsDecimalDigit(text[i])) Reject(text);
            const auto digit = static_cast<std::uint32_t>(text[i] - '0');
            if (value > (limit - digit) / 10) Reject(text);
            value = value * 10 + digit;
        }
    }
    // Two's complement both ways: "$FFFFFFFF" is -1 and "-$80000000" wraps to itself.
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

bool IsDigitText(std::string_view text) {
    const std::string_view core = WithoutBlanks(text);
    if (core.empty()) return false;
    for (char c : core) {
        if (!IsDecimalDigit(c)) return false;
    }
    return true;
}

std::string DecimalText(std::int32_t n) { return std::to_string(n); }

std::string TrimBlanks(std::string_view text) { return std::string(WithoutBlanks(text)); }

std::string TrimLeadingBlanks(std::string_view text) {
    return std::string(WithoutLeadingBlanks(text));
}

std::optional<std::int32_t> ExtractDegrees(std::string_view t) {
    const std::size_t degree = t.find(kDegreeSign);
    if (degree == npos) return std::nullopt;
    return ReadComponent(t.substr(0, degree), 179);
}

std::optional<std::int32_t> ExtractMinutes(std::string_view t) {
    const std::size_t degree = t.find(kDegreeSign);
    if (t.find(kMinuteMark) == npos || degree == npos) return std::nullopt;
    return ReadComponent(CutBefore(t.substr(degree + kDegreeSign.size()), kMinuteMark), 59);
}

std::optional<std::int32_t> ExtractSeconds(std::string_view t) {
    const std::size_t minute = t.find(kMinuteMark);
    if (t.find(kSecondMark) == npos || minute == npos) return std::nullopt;
    const std::string_view whole = CutBefore(t.substr(minute + 1), kSecondMark);
    // The fraction is dropped, never rounded.
    return ReadComponent(CutBefore(whole, '.'), 59);
}

HemisphereLetters FindHemisphereLetters(std::string_view t, char first, char second) {
    return {IsAscii(first) && t.find(first) != npos, IsAscii(second) && t.find(second) != npos};
}

std::string ReplaceDegrees(std::string_view t, std::string_view degrees) {
    const std::string_view trimmed = WithoutBlanks(t);
    const std::size_t degree = trimmed.find(kDegreeSign);
    if (degree == npos) return std::string(trimmed);
    return Concat(degrees, trimmed.substr(degree));
}

std::string ReplaceMinutes(std::string_view t, std::string_view minutes) {
    const std::string_view trimmed = WithoutBlanks(t);
    const std::size_t degree = trimmed.find(kDegreeSign);
    const std::size_t minute = trimmed.find(kMinuteMark);
    if (degree == npos || minute == npos) return std::string(trimmed);
    return Concat(trimmed.substr(0, degree + kDegreeSign.size()), minutes, trimmed.substr(minute));
}

std::string ReplaceSeconds(std::string_view t, std::string_view seconds) {
    const std::string_view trimmed = WithoutBlanks(t);
    const std::size_t minute = trimmed.find(kMinuteMark);
    const std::size_t second = trimmed.find(kSecondMark);
    if (minute == npos || second == npos) return std::string(trimmed);
    return Concat(trimmed.substr(0, minute + 1), seconds, trimmed.substr(second));
}

std::string SetHemisphereLetter(std::string_view t, char letter, char first, char second) {
    std::string result(WithoutBlanks(t));
    for (char old : {first, second}) {
        if (!IsAscii(old)) continue;
        const std::size_t at = result.find(old);
        if (at != std::string::npos) result.erase(at, 1);
    }
    if (IsAscii(letter)) result += letter;
    return result;
}

}  // namespace quillmark
