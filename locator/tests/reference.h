// Independent checks shared by the unit tests and the fuzzers: the locator in
// exact integer arithmetic, the locator of any length in exact rationals, and
// a UTF-8 validator.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "locator/locator.h"

namespace quillmark::reference {

// One unit is 1/3.6e9 degree: a second is 1e6 units and the 0.000001 degree
// offset is exactly 3600, so every value and cell boundary is an integer.
using Units = __int128;
constexpr Units kDegree = 3'600'000'000;
constexpr Units kOffset = 3'600;

inline Units AxisUnits(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds,
                       bool negative) {
    const Units value = degrees * kDegree + minutes * (kDegree / 60) + seconds * (kDegree / 3600);
    return (negative ? -value : value) + kOffset;
}

// Field, square and subsquare of a value shifted to start at 0; `field` is the
// field width (20 or 10 degrees), a square is a tenth of it, a subsquare 1/24 of that.
struct Cells {
    int field, square, subsquare;
};
inline Cells CellsOf(Units shifted, Units field) {
    const Units square = field / 10;
    const Units subsquare = square / 24;
    return {static_cast<int>(shifted / field), static_cast<int>(shifted % field / square),
            static_cast<int>(shifted % square / subsquare)};
}

inline std::variant<LocatorResult, LocatorError> ExactLocator(const LocatorInput& in) {
    const Units lon = AxisUnits(in.LonDegrees, in.LonMinutes, in.LonSeconds, in.West);
    if (lon < -180 * kDegree || lon > 180 * kDegree) return LocatorError::LongitudeOutOfRange;
    const Units lat = AxisUnits(in.LatDegrees, in.LatMinutes, in.LatSeconds, in.South);
    if (lat < -90 * kDegree || lat > 90 * kDegree) return LocatorError::LatitudeOutOfRange;
    const Cells x = CellsOf(lon + 180 * kDegree, 20 * kDegree);
    const Cells y = CellsOf(lat + 90 * kDegree, 10 * kDegree);
    const char text[] = {char('A' + x.field),  char('A' + y.field),     char('0' + x.square),
                         char('0' + y.square), char('A' + x.subsquare), char('A' + y.subsquare)};
    return LocatorResult{std::string(text, 6), {x.field, y.field}};
}

inline bool SameOutcome(const std::variant<LocatorResult, LocatorError>& a,
                        const std::variant<LocatorResult, LocatorError>& b) {
    if (a.index() != b.index()) return false;
    if (const auto* error = std::get_if<LocatorError>(&a)) return *error == std::get<1>(b);
    const auto& ra = std::get<LocatorResult>(a);
    const auto& rb = std::get<LocatorResult>(b);
    return ra.Locator == rb.Locator && ra.Field.Column == rb.Field.Column &&
           ra.Field.Row == rb.Field.Row;
}

// Exact rationals, for the locator of any length: written apart from the
// engine's scaled integers, with each pair's cell width as a fraction of a
// degree.
struct Rational {
    __int128 num;
    __int128 den;  // above 0
};

inline __int128 Gcd(__int128 a, __int128 b) {
    if (a < 0) a = -a;
    while (b != 0) {
        const __int128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

inline Rational MakeRational(__int128 num, __int128 den) {
    if (den < 0) num = -num, den = -den;
    const __int128 g = Gcd(num, den);
    return g > 1 ? Rational{num / g, den / g} : Rational{num, den};
}

inline Rational Add(Rational a, Rational b) {
    const __int128 g = Gcd(a.den, b.den);
    return MakeRational(a.num * (b.den / g) + b.num * (a.den / g), a.den / g * b.den);
}

inline bool Below(Rational a, __int128 n) { return a.num < n * a.den; }

// floor(a / (1 / perDegree)), for a >= 0.
inline __int128 FloorTimes(Rational a, __int128 perDegree) { return a.num * perDegree / a.den; }

// The locator of `characters` (2..10) of the position `lon`, `lat` in
// degrees: range [-180, 180) x [-90, 90), then 0.000001 degree added, each
// pair the cell number floor(value / width) in its base, and a value carried
// onto the upper limit in the last cell.
inline std::variant<std::string, LocatorError> RationalLocator(Rational lon, Rational lat,
                                                               int characters) {
    if (Below(lon, -180) || !Below(lon, 180)) return LocatorError::LongitudeOutOfRange;
    if (Below(lat, -90) || !Below(lat, 90)) return LocatorError::LatitudeOutOfRange;
    // Cells per degree of each pair: fields 1/20 and 1/10, then x10, x24, x10, x24.
    const __int128 perDegree[2][5] = {{1, 1, 12, 120, 2880}, {1, 1, 24, 240, 5760}};
    const __int128 fieldDegrees[2] = {20, 10};
    const int base[] = {18, 10, 24, 10, 24};
    const char first[] = {'A', '0', 'A', '0', 'A'};
    const Rational offset{1, 1'000'000};
    const Rational x[2] = {Add(Add(lon, offset), {180, 1}), Add(Add(lat, offset), {90, 1})};
    const bool atLimit[2] = {!Below(x[0], 360), !Below(x[1], 180)};
    std::string text;
    for (int pair = 0; pair < characters / 2; ++pair) {
        for (int axis = 0; axis < 2; ++axis) {
            __int128 cell = pair == 0   ? FloorTimes(x[axis], 1) / fieldDegrees[axis]
                            : pair == 1 ? FloorTimes(x[axis], 1) / (fieldDegrees[axis] / 10)
                                        : FloorTimes(x[axis], perDegree[axis][pair]);
            if (atLimit[axis]) cell = base[pair] - 1;
            text += static_cast<char>(first[pair] + static_cast<int>(cell % base[pair]));
        }
    }
    return text;
}

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF, no truncated sequence.
inline bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t length;
        unsigned char low = 0x80, high = 0xBF;
        if (b < 0x80) {
            length = 1;
        } else if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0) low = 0xA0;
            if (b == 0xED) high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (s.size() - i < length) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace quillmark::reference
