// Exact angles and positions: the values every locator and every position of
// the program is computed from, never rounded on the way.
#pragma once

#include <compare>
#include <cstdint>
#include <string_view>
#include <variant>

namespace quillmark {

// An angle as a whole number of units of 10^-18 arc second, that is
// 1/(3600 * 10^18) degree. Degrees, minutes and seconds written with up to
// kDecimals decimals are all whole numbers of units, so any value written in
// decimal degrees, in degrees and decimal minutes or in degrees, minutes and
// seconds with a fraction is held exactly, and so are the 0.000001 degree that
// puts a cell boundary into the cell east or north of it and every cell edge
// and centre of a locator.
//
// Units are a signed 128-bit integer: |units| up to about 1.7e38, which is
// 4.7e16 degrees. The builders below stay far inside that (fromDms of any
// int32 values reaches 2.2e9 degrees; readDecimalAngle refuses more than
// kMaxIntegerDigits digits before the point), so sums of a handful of such
// angles never overflow either.
struct Angle {
    using Units = __int128;
    static constexpr int kDecimals = 18;
    static constexpr Units kPerSecond = 1'000'000'000'000'000'000;
    static constexpr Units kPerMinute = 60 * kPerSecond;
    static constexpr Units kPerDegree = 3600 * kPerSecond;
    // The most digits readDecimalAngle takes before the point, leading zeros aside.
    static constexpr int kMaxIntegerDigits = 15;

    Units units = 0;

    static constexpr Angle degrees(std::int64_t n) { return {n * kPerDegree}; }

    // degrees + minutes/60 + seconds/3600, negated when `negative`: the value
    // of the window's number boxes, for any int32 values (10 deg 75 min is
    // 11.25 deg, negative minutes subtract).
    static constexpr Angle fromDms(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds,
                                   bool negative) {
        const Units value = degrees * kPerDegree + minutes * kPerMinute + seconds * kPerSecond;
        return {negative ? -value : value};
    }

    friend constexpr auto operator<=>(Angle, Angle) = default;
    constexpr Angle operator-() const { return {-units}; }
    friend constexpr Angle operator+(Angle a, Angle b) { return {a.units + b.units}; }
    friend constexpr Angle operator-(Angle a, Angle b) { return {a.units - b.units}; }
};

// A position on the earth: longitude positive east of Greenwich, latitude
// positive north of the equator.
struct Position {
    Angle longitude;
    Angle latitude;
    friend constexpr bool operator==(const Position&, const Position&) = default;
};

enum class AngleUnit { Degree, Minute, Second };

// Why readDecimalAngle refused a text.
enum class DecimalRefusal {
    NotADecimal,      // not digits with at most one "." among them (signs, exponents, blanks...)
    TooManyDecimals,  // a digit other than 0 after the kDecimals-th decimal
    TooLarge,         // more than kMaxIntegerDigits digits before the point
};

// The angle written as an unsigned decimal number of `unit`s: digits, and
// optionally "." followed by more digits; at least one digit in all ("53.76",
// "0.5", ".5", "53." and "113" are read, "", ".", "+1", "1e3", "1,5" and
// "1 000" are refused). Exact: "0.1" degree is 360 arc seconds, no more, no less.
std::variant<Angle, DecimalRefusal> readDecimalAngle(std::string_view text, AngleUnit unit);

}  // namespace quillmark
