#include "locator/locator.h"

namespace quillmark {
namespace {

// Sums and quotients are carried in long double (the 80-bit extended format on
// x86-64); only the decimal degrees and the field and square values are stored
// as doubles. With whole-second inputs every accepted value lies at least the
// offset (1e-6 deg) above a cell boundary or range limit and about 1/3600 deg
// below the next one, while the rounding error stays below 1e-10 deg (an
// accepted axis never needs more than |degrees| < 4e7 before cancelling), so
// every truncation below yields what exact arithmetic would.
constexpr long double kOffset = 0.000001L;

struct AxisCells {
    int field;
    int square;
    int subsquare;
};

// `degrees` is an accepted decimal value; `fieldWidth` is 20 (longitude) or 10.
AxisCells CellsOf(double degrees, long double fieldWidth) {
    const double a = static_cast<double>(degrees / fieldWidth + 9.0L);
    const int field = static_cast<int>(a);
    const double a2 = static_cast<double>((static_cast<long double>(a) - field) * 10.0L);
    const int square = static_cast<int>(a2);
    // Not stored as a double: truncated straight from the extended value. A
    // direct long double to int conversion reloads the x87 control word, which is
    // slow; the nearest double truncates alike unless it rounded up to an integer.
    const long double a3 = (static_cast<long double>(a2) - square) * 24.0L;
    int subsquare = static_cast<int>(static_cast<double>(a3));
    if (subsquare > a3) --subsquare;
    return {field, square, subsquare};
}

}  // namespace

double DecimalDegrees(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds,
                      bool negative) {
    long double value = static_cast<long double>(degrees) +
                        static_cast<long double>(minutes) / 60.0L +
                        static_cast<long double>(seconds) / 3600.0L;
    if (negative) {
        value = -value;
    }
    // Added after the sign, so a boundary position goes east or north on both hemispheres.
    return static_cast<double>(value + kOffset);
}

std::variant<LocatorResult, LocatorError> ComputeLocator(const LocatorInput& input) {
    const double lon =
        DecimalDegrees(input.LonDegrees, input.LonMinutes, input.LonSeconds, input.West);
    if (lon < -180.0 || lon > 180.0) {
        return LocatorError::LongitudeOutOfRange;
    }
    const double lat =
        DecimalDegrees(input.LatDegrees, input.LatMinutes, input.LatSeconds, input.South);
    if (lat < -90.0 || lat > 90.0) {
        return LocatorError::LatitudeOutOfRange;
    }

    const AxisCells x = CellsOf(lon, 20.0L);
    const AxisCells y = CellsOf(lat, 10.0L);
    const char text[6] = {
        static_cast<char>('A' + x.field),     static_cast<char>('A' + y.field),
        static_cast<char>('0' + x.square),    static_cast<char>('0' + y.square),
        static_cast<char>('A' + x.subsquare), static_cast<char>('A' + y.subsquare),
    };
    // Six characters stay within the string's inline buffer: no allocation.
    return LocatorResult{std::string(text, sizeof text), FieldIndex{x.field, y.field}};
}

std::string_view MessageText(LocatorError error) {
    switch (error) {
        case LocatorError::LongitudeOutOfRange:
            return "经度参数出错！";
        case LocatorError::LatitudeOutOfRange:
            return "纬度参数出错！";
    }
    return {};
}

}  // namespace quillmark
