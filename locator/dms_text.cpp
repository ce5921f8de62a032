#include "locator/dms_text.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

#include "locator/utf8.h"

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

// The printable ASCII characters "!" to "~", the twins of U+FF01..U+FF5E.
constexpr std::string_view kPrintableAscii =
    "!\"#$%&'()*+,-./"
    "0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";

// The notation's character that an input method's look-alike `c` stands for;
// empty when `c` is none.
std::string_view LookAlikeTwin(char32_t c) {
    switch (c) {
        case U'\u2018':  // ‘
        case U'\u2019':  // ’
        case U'\u2032':  // ′
            return "'";
        case U'\u201C':  // “
        case U'\u201D':  // ”
        case U'\u2033':  // ″
            return "\"";
        case U'\u00BA':  // º
        case U'\u02DA':  // ˚
            return kDegreeSign;
        case U'\u3002':  // 。
            return ".";
    }
    if (c >= 0xFF01 && c <= 0xFF5E) return kPrintableAscii.substr(c - 0xFF01, 1);
    return {};
}

[[noreturn]] void Reject(std::string_view text) { throw InvalidInteger(text); }

// The digits from `p` on as a number (wrapping, so that an overlong run is
// harmless) and how many there were; `p` moves past them. Something other
// than a digit must follow them.
inline std::ptrdiff_t ReadDigits(const char*& p, std::uint64_t& value) {
    const char* const start = p;
    value = 0;
    for (; IsDecimalDigit(*p); ++p) value = value * 10 + static_cast<unsigned>(*p - '0');
    return p - start;
}

// Lower-case letters and their upper-case twins, as runs sorted by code point.
struct CaseRun {
    char32_t first, last;
    int delta;
    int stride;
};
constexpr CaseRun kCaseRuns[] = {
#include "locator/uppercase_table.inc"
};

void appendDecimal(std::string& out, std::uint64_t n) {
    char digits[20];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (count > 0) out += digits[--count];
}

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

std::optional<Angle> ExtractExactSeconds(std::string_view t) {
    const std::optional<std::int32_t> whole = ExtractSeconds(t);
    if (!whole) return std::nullopt;
    const Angle seconds = Angle::fromDms(0, 0, *whole, false);
    const std::string_view part = CutBefore(t.substr(t.find(kMinuteMark) + 1), kSecondMark);
    const std::size_t point = part.find('.');
    if (point == npos || point + 1 == part.size()) return seconds;
    const auto fraction = readDecimalAngle(part.substr(point), AngleUnit::Second);
    if (const Angle* value = std::get_if<Angle>(&fraction)) return seconds + *value;
    return std::nullopt;
}

std::optional<Angle> readPlainDmsText(std::string_view t, char positive, char negative) {
    static constexpr auto kPowersOfTen = [] {
        std::array<std::uint64_t, Angle::kDecimals + 1> powers{1};
        for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
        return powers;
    }();
    // The second mark and the letter first: the mark then ends every run of
    // digits before the end of the text, so that no scan needs a bound.
    const std::size_t size = t.size();
    if (size < 8 || t[size - 2] != kSecondMark ||
        (t[size - 1] != positive && t[size - 1] != negative))
        return std::nullopt;
    const char* p = t.data();
    std::uint64_t degrees, minutes, seconds, fraction = 0;
    const auto n = ReadDigits(p, degrees);
    if (n == 0 || n > 3 || degrees > 179 || p[0] != kDegreeSign[0] || p[1] != kDegreeSign[1])
        return std::nullopt;
    p += 2;
    const auto m = ReadDigits(p, minutes);
    if (m == 0 || m > 2 || minutes > 59 || *p++ != kMinuteMark) return std::nullopt;
    const auto s = ReadDigits(p, seconds);
    if (s == 0 || s > 2 || seconds > 59) return std::nullopt;
    std::uint64_t scale = kPowersOfTen[Angle::kDecimals];
    if (*p == '.') {
        ++p;
        const auto f = ReadDigits(p, fraction);
        if (f == 0 || f > Angle::kDecimals) return std::nullopt;
        scale = kPowersOfTen[Angle::kDecimals - f];
    }
    if (p != t.data() + size - 2) return std::nullopt;
    const auto whole = static_cast<Angle::Units>(degrees * 3600 + minutes * 60 + seconds);
    const Angle value{whole * Angle::kPerSecond + static_cast<Angle::Units>(fraction * scale)};
    return t[size - 1] == negative ? -value : value;
}

std::optional<Angle> readDmsLine(std::string_view line, char positive, char negative) {
    std::string_view t = WithoutBlanks(line);
    if (t.empty()) return std::nullopt;
    const char letter = t.back() == positive || t.back() == negative     ? t.back()
                        : t.front() == positive || t.front() == negative ? t.front()
                                                                         : '\0';
    if (letter == '\0') return std::nullopt;
    t = WithoutBlanks(letter == t.back() ? t.substr(0, t.size() - 1) : t.substr(1));
    if (t.find(positive) != npos || t.find(negative) != npos || t.find(kSecondMark) + 1 != t.size())
        return std::nullopt;
    try {
        const std::optional<std::int32_t> degrees = ExtractDegrees(t);
        const std::optional<std::int32_t> minutes = ExtractMinutes(t);
        const std::optional<Angle> seconds = ExtractExactSeconds(t);
        if (!degrees || !minutes || !seconds) return std::nullopt;
        const Angle value = Angle::fromDms(*degrees, *minutes, 0, false) + *seconds;
        return letter == negative ? -value : value;
    } catch (const InvalidInteger&) {
        return std::nullopt;
    }
}

std::string dmsText(Angle angle, char positive, char negative) {
    using Unsigned = unsigned __int128;
    const bool below = angle.units < 0;
    const Unsigned magnitude = below ? -static_cast<Unsigned>(angle.units) : angle.units;
    const auto perDegree = static_cast<Unsigned>(Angle::kPerDegree);
    const auto perMinute = static_cast<Unsigned>(Angle::kPerMinute);
    const auto perSecond = static_cast<Unsigned>(Angle::kPerSecond);
    std::string text;
    appendDecimal(text, static_cast<std::uint64_t>(magnitude / perDegree));
    text += kDegreeSign;
    appendDecimal(text, static_cast<std::uint64_t>(magnitude % perDegree / perMinute));
    text += kMinuteMark;
    appendDecimal(text, static_cast<std::uint64_t>(magnitude % perMinute / perSecond));
    auto fraction = static_cast<std::uint64_t>(magnitude % perSecond);
    if (fraction != 0) {
        text += '.';
        int decimals = Angle::kDecimals;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --decimals;
        }
        std::string digits;
        appendDecimal(digits, fraction);
        text.append(static_cast<std::size_t>(decimals) - digits.size(), '0').append(digits);
    }
    text += kSecondMark;
    text += below ? negative : positive;
    return text;
}

char32_t upperCaseLetter(char32_t c) {
    const CaseRun* run =
        std::lower_bound(std::begin(kCaseRuns), std::end(kCaseRuns), c,
                         [](const CaseRun& r, char32_t code) { return r.last < code; });
    if (run == std::end(kCaseRuns) || c < run->first ||
        (c - run->first) % static_cast<char32_t>(run->stride) != 0)
        return c;
    return static_cast<char32_t>(static_cast<int>(c) + run->delta);
}

std::string upperCaseLetters(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const DecodedCharacter decoded = decodeUtf8(text.substr(i));
        if (decoded.code == kReplacementCharacter) {
            result.append(text.substr(i, decoded.length));
        } else {
            appendUtf8(result, upperCaseLetter(decoded.code));
        }
        i += decoded.length;
    }
    return result;
}

std::string mapLookAlikes(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        // A byte that begins no well-formed character is copied alone.
        const DecodedCharacter decoded = decodeUtf8(text.substr(i));
        const std::string_view twin = LookAlikeTwin(decoded.code);
        result += twin.empty() ? text.substr(i, decoded.length) : twin;
        i += decoded.length;
    }
    return result;
}

}  // namespace quillmark
