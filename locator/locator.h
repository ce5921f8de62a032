// Maidenhead locator of a position given in degrees, minutes and seconds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace quillmark {

// A position as read from the six number boxes and two hemisphere buttons.
// No field is range-checked on its own: minutes and seconds of any sign and
// size simply add their share (10 deg 75 min is 11.25 deg).
struct LocatorInput {
    std::int32_t LonDegrees, LonMinutes, LonSeconds;
    bool West;
    std::int32_t LatDegrees, LatMinutes, LatSeconds;
    bool South;
};

// Field indices: Column 0 (A) starts at 180 W, Row 0 (A) at 90 S; both 0..17.
struct FieldIndex {
    int Column;
    int Row;
};

// The six-character locator, all upper case (for example "OL63PC"), and the
// field its first two letters name.
struct LocatorResult {
    std::string Locator;
    FieldIndex Field;
};

enum class LocatorError { LongitudeOutOfRange, LatitudeOutOfRange };

// The locator of `input`, or the first axis out of range (longitude before
// latitude). Limits are inclusive (-180..180, -90..90) after a +0.000001 deg
// offset that puts positions on a cell boundary into the cell east or north of
// it. The outcome equals that of exact rational arithmetic for every input.
std::variant<LocatorResult, LocatorError> ComputeLocator(const LocatorInput& input);

// degrees + minutes/60 + seconds/3600, negated when `negative`, plus 0.000001.
double DecimalDegrees(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds,
                      bool negative);

// The message shown for `error`, UTF-8: "经度参数出错！" or "纬度参数出错！".
std::string_view MessageText(LocatorError error);

}  // namespace quillmark
