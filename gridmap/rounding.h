// The two ways the view turns a double into an int32.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace quillmark {

// x saturated into the int32 range; NaN gives 0. Keeps overlong products from
// turning into undefined conversions.
inline std::int32_t SaturateToInt(double x) {
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(x)) return 0;
    if (x <= kLow) return std::numeric_limits<std::int32_t>::min();
    if (x >= kHigh) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(x);
}

// The integer nearest to x, a half going to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -0.5 -> 0); saturated like SaturateToInt.
inline std::int32_t RoundHalfEven(double x) {
    // nearbyint follows the current rounding mode, which nothing in the
    // program changes from round-to-nearest-even.
    return SaturateToInt(std::nearbyint(x));
}

// x with its fraction dropped (toward zero); saturated like SaturateToInt.
inline std::int32_t TruncToInt(double x) { return SaturateToInt(std::trunc(x)); }

}  // namespace quillmark
