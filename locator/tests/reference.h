// Independent checks shared by the unit tests and the fuzzers: the locator in
// exact integer arithmetic, and a UTF-8 validator.
#pragma once

#include <cstddef>
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
