#include "locator/position_text.h"

#include <vector>

#include "locator/dms_text.h"
#include "locator/utf8.h"

namespace quillmark {
namespace {

using Reason = PositionRefusal::Reason;
using Units = Angle::Units;

PositionRefusal refuse(Reason reason, std::string text = {}) {
    return {reason, std::move(text), OffsetMapService::Amap, {}};
}

PositionRefusal offset(OffsetMapService service) {
    PositionRefusal refusal = refuse(Reason::OffsetMap);
    refusal.service = service;
    return refusal;
}

constexpr Units kHalfTurn = 180 * Angle::kPerDegree;
constexpr Units kQuarterTurn = 90 * Angle::kPerDegree;
// What a number too long for an Angle stands for: beyond every limit.
constexpr Angle kFarOut = Angle::degrees(1'000'000);

bool latitudeInRange(Angle a) { return a.units >= -kQuarterTurn && a.units < kQuarterTurn; }
bool longitudeInRange(Angle a) { return a.units >= -kHalfTurn && a.units < kHalfTurn; }
Units magnitude(Angle a) { return a.units < 0 ? -a.units : a.units; }

std::optional<PositionRefusal> rangeRefusal(const Position& p) {
    if (!latitudeInRange(p.latitude)) return refuse(Reason::LatitudeOutOfRange);
    if (!longitudeInRange(p.longitude)) return refuse(Reason::LongitudeOutOfRange);
    return std::nullopt;
}

std::variant<Position, Coordinate, PositionRefusal> checked(const Position& p) {
    if (auto refusal = rangeRefusal(p)) return *refusal;
    return p;
}

// `digits` (ASCII, "53" or "53.76") as an exact angle in `unit`s.
std::variant<Angle, PositionRefusal> decimal(std::string_view digits, AngleUnit unit) {
    const auto value = readDecimalAngle(digits, unit);
    if (const Angle* angle = std::get_if<Angle>(&value)) return *angle;
    switch (std::get<DecimalRefusal>(value)) {
        case DecimalRefusal::TooManyDecimals:
            return refuse(Reason::TooManyDecimals);
        case DecimalRefusal::TooLarge:
            return kFarOut;
        case DecimalRefusal::NotADecimal:
            break;
    }
    return refuse(Reason::Unreadable);
}

bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool isAsciiLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char32_t upper(char32_t c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }
// Blanks as the text rules count them, and the two wide spaces that copied
// Chinese text brings.
bool isBlank(char32_t c) { return c <= 32 || c == U'\u00A0' || c == U'\u3000'; }
bool isSign(char32_t c) { return c == '+' || c == '-' || c == U'\u2212'; }
bool isNotANumber(std::string_view word) {
    return word == "NAN" || word == "INF" || word == "INFINITY";
}

std::string utf8Of(std::u32string_view text) {
    std::string result;
    for (char32_t c : text) appendUtf8(result, c);
    return result;
}

// ---------------------------------------------------------------------------
// Values written with numbers, marks, letters and words.

// The words that name a hemisphere, written before the number.
struct HemisphereWord {
    std::u32string_view word;
    char letter;
};
constexpr HemisphereWord kWords[] = {
    {U"北纬", 'N'}, {U"南纬", 'S'}, {U"东经", 'E'}, {U"西经", 'W'},
    {U"北緯", 'N'}, {U"南緯", 'S'}, {U"東經", 'E'}, {U"西經", 'W'},
};

// A number's digits, as views of the text's ASCII copy: the whole part, the
// fraction after the point, and both with the point.
struct Number {
    std::string_view whole;
    std::string_view fraction;
    std::string_view text;
};

// A number with the marks of its components: degrees; degrees and minutes;
// degrees, minutes and seconds.
struct Value {
    int sign = 0;
    Number parts[3];
    int count = 1;
    bool marked = false;       // the degrees carry their mark
    bool omittedMark = false;  // the last component's mark is left out
};

// What stands between a token and the one before it.
enum class Gap { None, Blanks, Comma, Slash };

struct Token {
    bool isValue;
    Gap gap;
    Value value;
    char letter = 0;    // N, S, E or W
    bool word = false;  // a Chinese word, which only goes before its number
};

// Splits a text into values and hemisphere letters and words, refusing at the
// first thing that is neither or that is a trap (exponents, hyphens between
// numbers, decimal commas).
class Scanner {
public:
    // `ascii` holds the text's characters one for one, those beyond ASCII
    // replaced; numbers are read as views of it.
    Scanner(std::u32string_view text, std::string_view ascii) : m_text(text), m_ascii(ascii) {}

    std::optional<PositionRefusal> scan(std::vector<Token>& tokens) {
        Gap gap = Gap::None;
        while (m_at < m_text.size()) {
            const char32_t c = m_text[m_at];
            if (isBlank(c)) {
                if (gap == Gap::None) gap = Gap::Blanks;
                ++m_at;
                continue;
            }
            if (c == ',' || c == '/' || c == '\\') {
                if (gap == Gap::Comma || gap == Gap::Slash || tokens.empty()) return stray(tokens);
                if (c == ',' && isDecimalComma()) return refuse(Reason::DecimalComma);
                gap = c == ',' ? Gap::Comma : Gap::Slash;
                ++m_at;
                continue;
            }
            Token token{false, gap, {}};
            gap = Gap::None;
            if (isSign(c) || isDigit(c)) {
                // A sign right after a number or its mark: "12-34-56".
                if (isSign(c) && token.gap == Gap::None && !tokens.empty() && tokens.back().isValue)
                    return refuse(Reason::HyphenBetweenNumbers);
                token.isValue = true;
                if (auto refusal = readValue(token.value, tokens)) return refusal;
            } else if (isAsciiLetter(c)) {
                const std::u32string_view run = letters(m_at);
                std::string word;
                for (char32_t l : run) word += static_cast<char>(upper(l));
                if (isNotANumber(word)) return refuse(Reason::NotANumber);
                if (word.size() != 1 || std::string_view("NSEW").find(word[0]) == npos)
                    return stray(tokens);
                token.letter = word[0];
                ++m_at;
            } else if (const HemisphereWord* w = wordAt(m_at)) {
                token.letter = w->letter;
                token.word = true;
                m_at += w->word.size();
                if (at(m_at) == ':') ++m_at;
            } else {
                return stray(tokens);
            }
            tokens.push_back(std::move(token));
        }
        return std::nullopt;
    }

private:
    static constexpr auto npos = std::string_view::npos;

    char32_t at(std::size_t k) const { return k < m_text.size() ? m_text[k] : 0; }

    std::u32string_view letters(std::size_t from) const {
        std::size_t end = from;
        while (isAsciiLetter(at(end))) ++end;
        return m_text.substr(from, end - from);
    }

    const HemisphereWord* wordAt(std::size_t k) const {
        for (const HemisphereWord& w : kWords) {
            if (m_text.substr(k, w.word.size()) == w.word) return &w;
        }
        return nullptr;
    }

    // What is left from here to the next blank is no part of a position; before
    // any value, the text as a whole is in no notation known.
    PositionRefusal stray(const std::vector<Token>& tokens) const {
        bool anyValue = false;
        for (const Token& t : tokens) anyValue = anyValue || t.isValue;
        if (!anyValue) return refuse(Reason::Unreadable);
        std::size_t end = m_at;
        while (end < m_text.size() && !isBlank(m_text[end]) && end - m_at < 24) ++end;
        return refuse(Reason::StrayText, utf8Of(m_text.substr(m_at, end - m_at)));
    }

    // A comma between two digits is a decimal comma unless one side has a
    // point of its own ("23.1,113" and "23,113.2" have theirs): "23,1089".
    bool isDecimalComma() const {
        if (m_at == 0 || !isDigit(m_text[m_at - 1]) || !isDigit(at(m_at + 1))) return false;
        std::size_t begin = m_at - 1;
        while (begin > 0 && isDigit(m_text[begin - 1])) --begin;
        std::size_t end = m_at + 1;
        while (isDigit(at(end))) ++end;
        return !(begin > 0 && m_text[begin - 1] == '.') && at(end) != '.';
    }

    // Digits, then "." and digits; an exponent after them is refused.
    std::optional<PositionRefusal> readNumber(Number& number) {
        const std::size_t begin = m_at;
        while (isDigit(at(m_at))) ++m_at;
        number.whole = m_ascii.substr(begin, m_at - begin);
        if (at(m_at) == '.' && isDigit(at(m_at + 1))) {
            const std::size_t fraction = ++m_at;
            while (isDigit(at(m_at))) ++m_at;
            number.fraction = m_ascii.substr(fraction, m_at - fraction);
        }
        number.text = m_ascii.substr(begin, m_at - begin);
        const char32_t e = at(m_at);
        if ((e == 'e' || e == 'E') &&
            (isDigit(at(m_at + 1)) || (isSign(at(m_at + 1)) && isDigit(at(m_at + 2)))))
            return refuse(Reason::Exponent);
        return std::nullopt;
    }

    // ° and 度, and "d" when no word follows it ("23d" and "23dN", not "23days").
    std::size_t degreeMarkAt(std::size_t k) const {
        const char32_t c = at(k);
        if (c == U'°' || c == U'度') return 1;
        if (c != 'd' && c != 'D') return 0;
        const std::u32string_view after = letters(k + 1);
        return after.empty() || (after.size() == 1 &&
                                 std::u32string_view(U"NSEWnsew").find(after[0]) != npos)
                   ? 1
                   : 0;
    }
    bool minuteMarkAt(std::size_t k) const {
        return (at(k) == '\'' && at(k + 1) != '\'') || at(k) == U'分';
    }
    std::size_t secondMarkAt(std::size_t k) const {
        if (at(k) == '"' || at(k) == U'秒') return 1;
        return at(k) == '\'' && at(k + 1) == '\'' ? 2 : 0;
    }
    void skipBlanks() {
        while (m_at < m_text.size() && isBlank(m_text[m_at])) ++m_at;
    }

    // A sign, then degrees; after their mark, minutes and then seconds may
    // follow, each after its mark and any blanks. A number followed by a
    // degree mark begins the next value; the last component's mark may be left
    // out.
    std::optional<PositionRefusal> readValue(Value& value, const std::vector<Token>& tokens) {
        if (isSign(at(m_at))) {
            value.sign = at(m_at) == '+' ? 1 : -1;
            ++m_at;
            if (!isDigit(at(m_at))) {
                std::string word;
                for (char32_t l : letters(m_at)) word += static_cast<char>(upper(l));
                return isNotANumber(word) ? refuse(Reason::NotANumber) : stray(tokens);
            }
        }
        if (auto refusal = readNumber(value.parts[0])) return refusal;
        if (minuteMarkAt(m_at) || secondMarkAt(m_at)) return refuse(Reason::Unreadable);
        const std::size_t degreeMark = degreeMarkAt(m_at);
        if (degreeMark == 0) return std::nullopt;
        m_at += degreeMark;
        value.marked = true;
        const std::size_t afterDegrees = m_at;
        skipBlanks();
        if (!isDigit(at(m_at))) {
            m_at = afterDegrees;
            return std::nullopt;
        }
        if (auto refusal = readNumber(value.parts[1])) return refusal;
        if (degreeMarkAt(m_at)) {
            m_at = afterDegrees;
            value.parts[1] = {};
            return std::nullopt;
        }
        if (secondMarkAt(m_at)) return refuse(Reason::Unreadable);
        value.count = 2;
        if (!minuteMarkAt(m_at)) {
            value.omittedMark = true;
            return std::nullopt;
        }
        ++m_at;
        const std::size_t afterMinutes = m_at;
        skipBlanks();
        if (!isDigit(at(m_at))) {
            m_at = afterMinutes;
            return std::nullopt;
        }
        Number seconds;
        if (auto refusal = readNumber(seconds)) return refusal;
        if (degreeMarkAt(m_at) || minuteMarkAt(m_at)) {
            m_at = afterMinutes;
            return std::nullopt;
        }
        value.parts[2] = seconds;
        value.count = 3;
        if (const std::size_t mark = secondMarkAt(m_at)) {
            m_at += mark;
        } else {
            value.omittedMark = true;
        }
        return std::nullopt;
    }

    std::u32string_view m_text;
    std::string_view m_ascii;
    std::size_t m_at = 0;
};

// A value with a letter or word before or after it; a value is written once.
struct Written {
    const Token* prefix = nullptr;
    const Token* value = nullptr;
    const Token* suffix = nullptr;
    Gap gapBefore = Gap::None;
    Gap suffixGap = Gap::None;
    char letter() const { return prefix ? prefix->letter : suffix ? suffix->letter : 0; }
};

// APRS and NMEA write degrees and minutes as one number, ddmm.mm (latitude)
// or dddmm.mm (longitude), with a letter after it.
bool packable(const Value& v) {
    return v.sign == 0 && !v.marked && v.count == 1 && !v.parts[0].fraction.empty() &&
           (v.parts[0].whole.size() == 4 || v.parts[0].whole.size() == 5);
}
bool packed(const Written& w) {
    const char letter = w.suffix ? w.suffix->letter : 0;
    const std::size_t digits = w.value->value.parts[0].whole.size();
    return letter && packable(w.value->value) &&
           digits == (letter == 'N' || letter == 'S' ? 4u : 5u);
}

// A letter after a value belongs to it when the value has none before it;
// anything else begins the next value.
std::variant<std::vector<Written>, PositionRefusal> group(const std::vector<Token>& tokens) {
    std::vector<Written> written;
    for (const Token& token : tokens) {
        Written* last = written.empty() ? nullptr : &written.back();
        if (!token.isValue) {
            if (last && last->value && !last->prefix && !last->suffix && !token.word &&
                (token.gap == Gap::None || token.gap == Gap::Blanks ||
                 (token.gap == Gap::Comma && packable(last->value->value)))) {
                last->suffix = &token;
                last->suffixGap = token.gap;
            } else {
                written.push_back({&token, nullptr, nullptr, token.gap});
            }
        } else if (last && last->prefix && !last->value) {
            if (token.gap == Gap::Comma || token.gap == Gap::Slash)
                return refuse(Reason::Unreadable);
            last->value = &token;
        } else {
            written.push_back({nullptr, &token, nullptr, token.gap});
        }
    }
    for (const Written& w : written) {
        if (!w.value) return refuse(Reason::Unreadable);
    }
    return written;
}

// The value of one written value, its sign from its sign or letter.
std::variant<Coordinate, PositionRefusal> coordinateOf(const Written& w) {
    const Value& v = w.value->value;
    const char letter = w.letter();
    if (letter && v.sign) return refuse(Reason::SignAndHemisphere);
    const bool isPacked = packed(w);
    if (w.suffixGap == Gap::Comma && !isPacked) return refuse(Reason::Unreadable);
    // Minutes and seconds below 60; degrees too long for an Angle stand for a
    // value beyond every limit (kFarOut), which the range check refuses.
    Angle total;
    const auto add = [&](std::string_view digits,
                         AngleUnit unit) -> std::optional<PositionRefusal> {
        const auto part = decimal(digits, unit);
        if (const auto* refusal = std::get_if<PositionRefusal>(&part)) return *refusal;
        const Angle angle = std::get<Angle>(part);
        if (unit == AngleUnit::Minute && angle >= Angle::degrees(1))
            return refuse(Reason::MinutesTooLarge);
        if (unit == AngleUnit::Second && angle >= Angle{Angle::kPerMinute})
            return refuse(Reason::SecondsTooLarge);
        total = total + angle;
        return std::nullopt;
    };
    std::optional<PositionRefusal> refusal;
    if (isPacked) {
        // ddmm.mm: the degrees, then the minutes with their fraction.
        const std::size_t split = v.parts[0].whole.size() - 2;
        refusal = add(v.parts[0].whole.substr(0, split), AngleUnit::Degree);
        if (!refusal) refusal = add(v.parts[0].text.substr(split), AngleUnit::Minute);
    } else {
        for (int i = 0; i + 1 < v.count; ++i) {
            // A fraction goes only with the last component.
            if (!v.parts[i].fraction.empty()) return refuse(Reason::Unreadable);
        }
        const AngleUnit units[] = {AngleUnit::Degree, AngleUnit::Minute, AngleUnit::Second};
        for (int i = 0; i < v.count && !refusal; ++i) refusal = add(v.parts[i].text, units[i]);
    }
    if (refusal) return *refusal;
    const bool negative = v.sign < 0 || letter == 'S' || letter == 'W';
    Coordinate c{negative ? -total : total, std::nullopt, v.sign != 0 || letter != 0};
    if (letter) {
        c.axis =
            letter == 'N' || letter == 'S' ? CoordinateAxis::Latitude : CoordinateAxis::Longitude;
    }
    return c;
}

// "23 06.534": a whole number, then two digits with a leading zero and a
// fraction, both without marks, reads like degrees and decimal minutes.
bool looksLikeMinutes(const Value& first, const Value& second) {
    const Number& m = second.parts[0];
    return !first.marked && !second.marked && first.parts[0].fraction.empty() &&
           !m.fraction.empty() && m.whole.size() == 2 && m.whole[0] == '0';
}

std::variant<Position, Coordinate, PositionRefusal> readWritten(std::u32string_view text) {
    std::string ascii(text.size(), '\x7f');
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] < 0x80) ascii[i] = static_cast<char>(text[i]);
    }
    std::vector<Token> tokens;
    if (auto refusal = Scanner(text, ascii).scan(tokens)) return *refusal;
    auto grouped = group(tokens);
    if (auto* refusal = std::get_if<PositionRefusal>(&grouped)) return *refusal;
    const auto& written = std::get<std::vector<Written>>(grouped);
    if (written.empty()) return refuse(Reason::Unreadable);
    if (written.size() > 2) return refuse(Reason::TooManyValues);
    if (written.size() == 2) {
        const Written& first = written[0];
        const Written& second = written[1];
        if (second.gapBefore == Gap::Slash && !(packed(first) && packed(second)))
            return refuse(Reason::Unreadable);
        if (first.value->value.omittedMark && second.gapBefore == Gap::Blanks && !second.prefix &&
            !second.value->value.marked)
            return refuse(Reason::MissingMark);
    }
    Coordinate read[2];
    for (std::size_t i = 0; i < written.size(); ++i) {
        auto c = coordinateOf(written[i]);
        if (auto* refusal = std::get_if<PositionRefusal>(&c)) return *refusal;
        read[i] = std::get<Coordinate>(c);
    }
    if (written.size() == 1) {
        const Coordinate& c = read[0];
        if (c.axis == CoordinateAxis::Latitude && !latitudeInRange(c.value))
            return refuse(Reason::LatitudeOutOfRange);
        if (c.axis == CoordinateAxis::Longitude && !longitudeInRange(c.value))
            return refuse(Reason::LongitudeOutOfRange);
        return c;
    }
    if (read[0].axis.has_value() != read[1].axis.has_value())
        return refuse(Reason::HemisphereOnOneValue);
    if (read[0].axis) {
        if (read[0].axis == read[1].axis) {
            return refuse(read[0].axis == CoordinateAxis::Latitude ? Reason::TwoLatitudes
                                                                   : Reason::TwoLongitudes);
        }
        const bool latitudeFirst = read[0].axis == CoordinateAxis::Latitude;
        return checked({read[latitudeFirst ? 1 : 0].value, read[latitudeFirst ? 0 : 1].value});
    }
    if (looksLikeMinutes(written[0].value->value, written[1].value->value))
        return refuse(Reason::LooksLikeMinutes);
    // Latitude first, as map apps copy them; a first value that cannot be a
    // latitude while its partner can is the longitude.
    const Angle a = read[0].value;
    const Angle b = read[1].value;
    if (magnitude(a) > kQuarterTurn && longitudeInRange(a) && latitudeInRange(b))
        return checked({a, b});
    return checked({b, a});
}

// ---------------------------------------------------------------------------
// ISO 6709 and locators.

// ISO 6709's compact form: +DD.D, +DDMM.M or +DDMMSS.S for the latitude, the
// same with three digits of degrees for the longitude, an optional height and
// the closing "/". Without the "/" nothing says it is ISO 6709.
std::optional<std::variant<Position, Coordinate, PositionRefusal>> readIso6709(
    std::string_view text) {
    if (text.size() < 2 || (text[0] != '+' && text[0] != '-') || text.back() != '/')
        return std::nullopt;
    std::size_t at = 0;
    const auto component = [&](std::size_t degreeDigits) -> std::variant<Angle, PositionRefusal> {
        if (at >= text.size() || (text[at] != '+' && text[at] != '-'))
            return refuse(Reason::Unreadable);
        const bool negative = text[at++] == '-';
        const std::size_t begin = at;
        while (at < text.size() && isAsciiDigit(text[at])) ++at;
        const std::size_t digits = at - begin;
        std::string fraction;
        if (at + 1 < text.size() && text[at] == '.' && isAsciiDigit(text[at + 1])) {
            const std::size_t point = at++;
            while (at < text.size() && isAsciiDigit(text[at])) ++at;
            fraction = std::string(text.substr(point, at - point));
        }
        if (digits != degreeDigits && digits != degreeDigits + 2 && digits != degreeDigits + 4)
            return refuse(Reason::Unreadable);
        const std::string_view whole = text.substr(begin, digits);
        Angle total;
        const AngleUnit units[] = {AngleUnit::Degree, AngleUnit::Minute, AngleUnit::Second};
        const Angle limits[] = {kFarOut, Angle::degrees(1), Angle{Angle::kPerMinute}};
        const Reason tooLarge[] = {Reason::Unreadable, Reason::MinutesTooLarge,
                                   Reason::SecondsTooLarge};
        const std::size_t parts = 1 + (digits - degreeDigits) / 2;
        for (std::size_t i = 0; i < parts; ++i) {
            const std::size_t from = i == 0 ? 0 : degreeDigits + 2 * (i - 1);
            const std::size_t length = i == 0 ? degreeDigits : 2;
            std::string part(whole.substr(from, length));
            if (i + 1 == parts) part += fraction;
            const auto value = decimal(part, units[i]);
            if (const auto* refusal = std::get_if<PositionRefusal>(&value)) return *refusal;
            if (i > 0 && std::get<Angle>(value) >= limits[i]) return refuse(tooLarge[i]);
            total = total + std::get<Angle>(value);
        }
        return negative ? -total : total;
    };
    const auto latitude = component(2);
    if (const auto* refusal = std::get_if<PositionRefusal>(&latitude)) return *refusal;
    const auto longitude = component(3);
    if (const auto* refusal = std::get_if<PositionRefusal>(&longitude)) return *refusal;
    if (at + 1 != text.size()) {
        // A height, which a locator does not need: a sign, digits, a fraction.
        if (text[at] != '+' && text[at] != '-') return refuse(Reason::Unreadable);
        const std::size_t digits = ++at;
        while (at < text.size() && isAsciiDigit(text[at])) ++at;
        if (at == digits) return refuse(Reason::Unreadable);
        if (text[at] == '.') {
            const std::size_t fraction = ++at;
            while (at < text.size() && isAsciiDigit(text[at])) ++at;
            if (at == fraction) return refuse(Reason::Unreadable);
        }
        if (at + 1 != text.size()) return refuse(Reason::Unreadable);
    }
    return checked({std::get<Angle>(longitude), std::get<Angle>(latitude)});
}

// Two to ten letters and digits in a locator's pattern (two letters, two
// digits, two letters ...) are a locator, or refused as one ("OL63PZ", "OL6").
std::optional<std::variant<Position, Coordinate, PositionRefusal>> readLocator(
    std::u32string_view text) {
    if (text.size() < 2 || text.size() > 10) return std::nullopt;
    std::string ascii;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(i / 2 % 2 == 0 ? isAsciiLetter(text[i]) : isDigit(text[i]))) return std::nullopt;
        ascii += static_cast<char>(upper(text[i]));
    }
    const auto area = locatorArea(ascii);
    if (const auto* refusal = std::get_if<LocatorRefusal>(&area)) {
        PositionRefusal notLocator = refuse(Reason::NotALocator);
        notLocator.locator = *refusal;
        return notLocator;
    }
    return std::get<LocatorArea>(area).centre;
}

// ---------------------------------------------------------------------------
// Links. They are read in lower case: the window's lines turn letters into
// upper case as they are pasted.

// A signed decimal number of degrees at `at`, which moves past it.
std::variant<Angle, PositionRefusal> linkNumber(std::string_view text, std::size_t& at) {
    const std::size_t begin = at;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    const std::size_t digits = at;
    while (at < text.size() && isAsciiDigit(text[at])) ++at;
    if (at == digits) {
        const std::string_view rest = text.substr(digits, 3);
        return refuse(rest == "nan" || rest == "inf" ? Reason::NotANumber : Reason::Unreadable);
    }
    if (at + 1 < text.size() && text[at] == '.' && isAsciiDigit(text[at + 1])) {
        ++at;
        while (at < text.size() && isAsciiDigit(text[at])) ++at;
    }
    if (at + 1 < text.size() && text[at] == 'e' &&
        (isAsciiDigit(text[at + 1]) || text[at + 1] == '-' || text[at + 1] == '+'))
        return refuse(Reason::Exponent);
    const bool negative = text[begin] == '-';
    const auto value = decimal(text.substr(digits, at - digits), AngleUnit::Degree);
    if (const auto* refusal = std::get_if<PositionRefusal>(&value)) return *refusal;
    return negative ? -std::get<Angle>(value) : std::get<Angle>(value);
}

// "lat<sep>lon" at `at`, which moves past it.
std::variant<Position, PositionRefusal> linkPair(std::string_view text, std::size_t& at,
                                                 std::string_view separator) {
    const auto latitude = linkNumber(text, at);
    if (const auto* refusal = std::get_if<PositionRefusal>(&latitude)) return *refusal;
    if (text.substr(at, separator.size()) != separator) return refuse(Reason::Unreadable);
    at += separator.size();
    const auto longitude = linkNumber(text, at);
    if (const auto* refusal = std::get_if<PositionRefusal>(&longitude)) return *refusal;
    const Position p{std::get<Angle>(longitude), std::get<Angle>(latitude)};
    if (auto refusal = rangeRefusal(p)) return *refusal;
    return p;
}

std::variant<Position, Coordinate, PositionRefusal> widen(
    const std::variant<Position, PositionRefusal>& v) {
    if (const auto* p = std::get_if<Position>(&v)) return *p;
    return std::get<PositionRefusal>(v);
}

int hexValue(char c) {
    if (isAsciiDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A query value with its %XX escapes and its "+" for blanks undone.
std::string unescaped(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            result += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
                   hexValue(text[i + 2]) >= 0) {
            result += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            result += text[i];
        }
    }
    return result;
}

// The value of `key` among "k=v&k=v" parameters; nothing when absent.
std::optional<std::string_view> parameter(std::string_view query, std::string_view key) {
    while (!query.empty()) {
        const std::size_t end = query.find('&');
        const std::string_view item = query.substr(0, end);
        if (item.size() > key.size() && item.substr(0, key.size()) == key &&
            item[key.size()] == '=')
            return item.substr(key.size() + 1);
        if (end == std::string_view::npos) break;
        query.remove_prefix(end + 1);
    }
    return std::nullopt;
}

bool hostIs(std::string_view host, std::string_view domain) {
    return host == domain ||
           (host.size() > domain.size() && host.substr(host.size() - domain.size()) == domain &&
            host[host.size() - domain.size() - 1] == '.');
}

struct Link {
    std::string_view host;
    std::string_view path;
    std::string_view query;
    std::string_view fragment;
};

std::variant<Position, Coordinate, PositionRefusal> readTextPosition(std::u32string_view text);

// RFC 5870: geo:lat,lon[,altitude][;crs=wgs84][;u=...][;...]; Android's ?z=
// zoom is taken too.
std::variant<Position, Coordinate, PositionRefusal> readGeoUri(std::string_view text) {
    std::size_t at = 0;
    const auto pair = linkPair(text, at, ",");
    if (std::holds_alternative<PositionRefusal>(pair)) return widen(pair);
    if (at < text.size() && text[at] == ',') {
        ++at;
        if (auto height = linkNumber(text, at); std::holds_alternative<PositionRefusal>(height))
            return std::get<PositionRefusal>(height);
    }
    std::string_view rest = text.substr(at);
    const std::size_t question = rest.find('?');
    const std::string_view query =
        question == std::string_view::npos ? std::string_view() : rest.substr(question + 1);
    rest = rest.substr(0, question);
    while (!rest.empty()) {
        if (rest[0] != ';') return refuse(Reason::Unreadable);
        rest.remove_prefix(1);
        const std::size_t end = rest.find(';');
        const std::string_view item = rest.substr(0, end);
        if (item.substr(0, 4) == "crs=" && item != "crs=wgs84") return refuse(Reason::Unreadable);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    }
    if (question != std::string_view::npos) {
        // Only a zoom: "geo:0,0?q=..." puts its position elsewhere.
        if (query.substr(0, 2) != "z=" || query.size() == 2) return refuse(Reason::Unreadable);
        for (char c : query.substr(2)) {
            if (!isAsciiDigit(c)) return refuse(Reason::Unreadable);
        }
    }
    return widen(pair);
}

// The place pin (!3d<lat>!4d<lon>) before anything else: the "@" position is
// only where the camera was. Then q=, query= and the camera.
std::variant<Position, Coordinate, PositionRefusal> readGoogleMaps(const Link& link,
                                                                   std::string_view all) {
    std::optional<Position> pin;
    for (std::size_t at = all.find("!3d"); at != std::string_view::npos; at = all.find("!3d", at)) {
        at += 3;
        const auto p = linkPair(all, at, "!4d");
        if (std::holds_alternative<PositionRefusal>(p)) return widen(p);
        if (pin && *pin != std::get<Position>(p)) return refuse(Reason::TooManyValues);
        pin = std::get<Position>(p);
    }
    if (pin) return *pin;
    for (std::string_view key : {"q", "query"}) {
        const auto value = parameter(link.query, key);
        if (!value) continue;
        const std::string text = unescaped(*value);
        const auto reading = readTextPosition(decodeUtf8Text(text));
        if (std::holds_alternative<Position>(reading)) return reading;
        if (std::holds_alternative<Coordinate>(reading)) return refuse(Reason::OneValue);
        // A place's name is no position; numbers that do not read are refused.
        if (text.find_first_of("0123456789") != std::string::npos) return reading;
    }
    if (const std::size_t camera = link.path.find("/@"); camera != std::string_view::npos) {
        std::size_t at = camera + 2;
        const auto p = linkPair(link.path, at, ",");
        if (std::holds_alternative<Position>(p) && at < link.path.size() && link.path[at] != ',' &&
            link.path[at] != '/')
            return refuse(Reason::Unreadable);
        return widen(p);
    }
    return refuse(Reason::PositionlessLink);
}

// The marker (mlat, mlon) before the map's centre (#map=zoom/lat/lon).
std::variant<Position, Coordinate, PositionRefusal> readOpenStreetMap(const Link& link) {
    const auto mlat = parameter(link.query, "mlat");
    const auto mlon = parameter(link.query, "mlon");
    if (mlat && mlon) {
        const std::string text = std::string(*mlat) + ',' + std::string(*mlon);
        std::size_t at = 0;
        const auto p = linkPair(text, at, ",");
        if (std::holds_alternative<Position>(p) && at != text.size())
            return refuse(Reason::Unreadable);
        return widen(p);
    }
    if (mlat || mlon) return refuse(Reason::OneValue);
    if (const auto map = parameter(link.fragment, "map")) {
        const std::size_t slash = map->find('/');
        if (slash == std::string_view::npos) return refuse(Reason::Unreadable);
        std::size_t at = slash + 1;
        const auto p = linkPair(*map, at, "/");
        if (std::holds_alternative<Position>(p) && at != map->size())
            return refuse(Reason::Unreadable);
        return widen(p);
    }
    return refuse(Reason::PositionlessLink);
}

// google.com, google.de, google.co.uk, google.com.hk, with www. or maps.
// before it; nothing when the host is none of them.
std::optional<std::string_view> googleDomain(std::string_view host, std::string_view& first) {
    std::size_t at = 0;
    first = {};
    if (host.substr(0, 7) != "google.") {
        const std::size_t dot = host.find('.');
        first = host.substr(0, dot);
        if (dot == std::string_view::npos || host.substr(dot + 1, 7) != "google.")
            return std::nullopt;
        at = dot + 1;
    }
    const std::string_view domain = host.substr(at + 7);
    const auto isCountry = [](std::string_view s) {
        return s.size() == 2 && s[0] >= 'a' && s[0] <= 'z' && s[1] >= 'a' && s[1] <= 'z';
    };
    const bool known = domain == "com" || isCountry(domain) ||
                       (domain.substr(0, 3) == "co." && isCountry(domain.substr(3))) ||
                       (domain.substr(0, 4) == "com." && isCountry(domain.substr(4)));
    if (!known || (!first.empty() && first != "www" && first != "maps" && first != "ditu"))
        return std::nullopt;
    return domain;
}

std::variant<Position, Coordinate, PositionRefusal> readLink(std::string_view text) {
    if (text.substr(0, 4) == "geo:") return readGeoUri(text.substr(4));
    std::string_view rest = text;
    for (std::string_view scheme : {"http://", "https://"}) {
        if (rest.substr(0, scheme.size()) == scheme) rest.remove_prefix(scheme.size());
    }
    Link link;
    const std::size_t hostEnd = rest.find_first_of("/?#");
    link.host = rest.substr(0, hostEnd);
    if (const std::size_t user = link.host.rfind('@'); user != std::string_view::npos)
        link.host.remove_prefix(user + 1);
    link.host = link.host.substr(0, link.host.find(':'));
    const std::string_view all =
        hostEnd == std::string_view::npos ? std::string_view() : rest.substr(hostEnd);
    std::string_view remainder = all;
    const std::size_t hash = remainder.find('#');
    if (hash != std::string_view::npos) {
        link.fragment = remainder.substr(hash + 1);
        remainder = remainder.substr(0, hash);
    }
    const std::size_t question = remainder.find('?');
    link.path = remainder.substr(0, question);
    if (question != std::string_view::npos) link.query = remainder.substr(question + 1);

    const std::string_view host = link.host;
    if (hostIs(host, "amap.com") || hostIs(host, "gaode.com") || hostIs(host, "autonavi.com"))
        return offset(OffsetMapService::Amap);
    if (hostIs(host, "map.baidu.com") || host == "ditu.baidu.com")
        return offset(OffsetMapService::Baidu);
    if (hostIs(host, "map.qq.com")) return offset(OffsetMapService::Tencent);
    std::string_view first;
    if (const auto domain = googleDomain(host, first)) {
        if (*domain == "cn") return offset(OffsetMapService::GoogleChina);
        if (first == "maps" || link.path.substr(0, 5) == "/maps") return readGoogleMaps(link, all);
    }
    if (host == "maps.app.goo.gl" || (host == "goo.gl" && link.path.substr(0, 6) == "/maps/"))
        return refuse(Reason::PositionlessLink);
    if (hostIs(host, "openstreetmap.org") || hostIs(host, "osm.org")) {
        if (link.path.substr(0, 4) == "/go/") return refuse(Reason::PositionlessLink);
        return readOpenStreetMap(link);
    }
    return refuse(Reason::OtherSite, std::string(host));
}

// "https://...", "geo:..." and an address without its scheme ("www.x.org/",
// "google.com/maps/...": a host with a dot and a last part of letters, then
// "/").
bool isLink(std::string_view text) {
    if (text.substr(0, 7) == "http://" || text.substr(0, 8) == "https://" ||
        text.substr(0, 4) == "geo:")
        return true;
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return false;
    const std::string_view host = text.substr(0, slash);
    const std::size_t dot = host.rfind('.');
    if (dot == std::string_view::npos || host.size() - dot < 3) return false;
    for (char c : host.substr(dot + 1)) {
        if (c < 'a' || c > 'z') return false;
    }
    for (char c : host) {
        if (!(c >= 'a' && c <= 'z') && !isAsciiDigit(c) && c != '.' && c != '-') return false;
    }
    return true;
}

// Everything but links: ISO 6709, locators, and values with their marks,
// letters and words.
std::variant<Position, Coordinate, PositionRefusal> readTextPosition(std::u32string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return refuse(Reason::Empty);
    if (isSign(text.front()) && text.back() == '/') {
        if (auto iso = readIso6709(utf8Of(text))) return *iso;
    }
    if (auto locator = readLocator(text)) return *locator;
    if (text.front() == '(' && text.back() == ')') {
        text = text.substr(1, text.size() - 2);
        while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
        while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    }
    return readWritten(text);
}

}  // namespace

std::variant<Position, Coordinate, PositionRefusal> readPositionText(std::string_view text) {
    const std::u32string wide = decodeUtf8Text(mapLookAlikes(text));
    std::size_t begin = 0;
    while (begin < wide.size() && isBlank(wide[begin])) ++begin;
    std::size_t end = wide.size();
    while (end > begin && isBlank(wide[end - 1])) --end;
    const std::u32string_view trimmed = std::u32string_view(wide).substr(begin, end - begin);
    // Every link has a "/" or a ":" (isLink).
    if (trimmed.find_first_of(U"/:") == std::u32string_view::npos) return readTextPosition(trimmed);
    std::string lower;
    for (char32_t c : trimmed) appendUtf8(lower, c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (isLink(lower)) {
        // A link ends at its first blank; whatever follows is no part of it.
        std::size_t word = 0;
        while (word < trimmed.size() && !isBlank(trimmed[word])) ++word;
        if (word == trimmed.size()) return readLink(lower);
        while (isBlank(trimmed[word])) ++word;
        std::size_t stop = word;
        while (stop < trimmed.size() && !isBlank(trimmed[stop]) && stop - word < 24) ++stop;
        return refuse(Reason::StrayText, utf8Of(trimmed.substr(word, stop - word)));
    }
    return readTextPosition(trimmed);
}

std::variant<Position, PositionRefusal> readPosition(std::string_view text) {
    auto reading = readPositionText(text);
    if (auto* p = std::get_if<Position>(&reading)) return *p;
    if (std::holds_alternative<Coordinate>(reading)) return refuse(Reason::OneValue);
    return std::get<PositionRefusal>(std::move(reading));
}

std::variant<LineReading, PositionRefusal> readForLine(std::string_view text, CoordinateAxis axis,
                                                       bool negativeWhenUnsigned) {
    auto reading = readPositionText(text);
    if (auto* refusal = std::get_if<PositionRefusal>(&reading)) return std::move(*refusal);
    if (const auto* p = std::get_if<Position>(&reading))
        return LineReading{p->longitude, p->latitude};
    Coordinate c = std::get<Coordinate>(reading);
    if (c.axis && *c.axis != axis) return refuse(Reason::OtherAxis);
    if (!c.sideGiven && negativeWhenUnsigned) c.value = -c.value;
    LineReading line;
    if (axis == CoordinateAxis::Longitude) {
        if (!longitudeInRange(c.value)) return refuse(Reason::LongitudeOutOfRange);
        line.longitude = c.value;
    } else {
        if (!latitudeInRange(c.value)) return refuse(Reason::LatitudeOutOfRange);
        line.latitude = c.value;
    }
    return line;
}

}  // namespace quillmark
