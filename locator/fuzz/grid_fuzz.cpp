// The locator of any length for arbitrary exact positions near and on the
// range, against exact rationals: every length agrees with the reference,
// shorter locators begin longer ones, the square of the locator holds the
// position and its centre locates back, and the notation reads back.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "locator/dms_text.h"
#include "locator/fuzz/require.h"
#include "locator/grid.h"
#include "locator/tests/reference.h"

namespace {

using namespace quillmark;
using Units = Angle::Units;

// A value from 16 bytes: anywhere a little beyond [-half, half], or, on
// request, near a cell edge of one of the five pairs (the shape byte picks the
// pair and how far off the edge, down to one unit).
Units AxisValue(const std::uint8_t* bytes, std::uint8_t shape, Units half, Units field) {
    unsigned __int128 raw = 0;
    std::memcpy(&raw, bytes, sizeof raw);
    const Units span = 2 * half + 2 * Angle::kPerDegree;
    const Units anywhere =
        static_cast<Units>(raw % static_cast<unsigned __int128>(span)) - span / 2;
    if ((shape & 0x80) == 0) return anywhere;
    const Units widths[] = {field, field / 10, field / 240, field / 2400, field / 57600};
    const Units width = widths[shape % 5];
    const Units edge = (anywhere + half) / width * width - half;
    const Units offsets[] = {0, 1, -1, Angle::kPerDegree / 1'000'000, Angle::kPerSecond / 100};
    const Units off = offsets[(shape >> 3) % 5];
    return (shape & 0x40) ? edge - off : edge + off;
}

std::string Text(const std::variant<LocatorText, LocatorError>& outcome) {
    if (const auto* locator = std::get_if<LocatorText>(&outcome))
        return std::string(locator->text());
    return std::get<LocatorError>(outcome) == LocatorError::LongitudeOutOfRange ? "lon" : "lat";
}

std::string Text(const std::variant<std::string, LocatorError>& outcome) {
    if (const auto* locator = std::get_if<std::string>(&outcome)) return *locator;
    return std::get<LocatorError>(outcome) == LocatorError::LongitudeOutOfRange ? "lon" : "lat";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t bytes[34] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    const Position p{
        {AxisValue(bytes, bytes[32], 180 * Angle::kPerDegree, 20 * Angle::kPerDegree)},
        {AxisValue(bytes + 16, bytes[33], 90 * Angle::kPerDegree, 10 * Angle::kPerDegree)}};
    const reference::Rational lon = reference::MakeRational(p.longitude.units, Angle::kPerDegree);
    const reference::Rational lat = reference::MakeRational(p.latitude.units, Angle::kPerDegree);

    const std::string full = Text(locatorOf(p, LocatorLength::ExtendedSubsquare));
    for (int n = 2; n <= 10; n += 2) {
        const std::string text = Text(locatorOf(p, *locatorLength(n)));
        Require(text == Text(reference::RationalLocator(lon, lat, n)), "agrees with rationals");
        Require(full.size() != 10 || text == full.substr(0, n), "shorter begins longer");
        if (text.size() != static_cast<std::size_t>(n)) continue;
        const auto area = std::get<LocatorArea>(locatorArea(text));
        Require(Text(locatorOf(area.centre, *locatorLength(n))) == text, "the centre locates back");
        Require(Text(locatorOf(area.southWest, *locatorLength(n))) == text,
                "the south-west corner locates back");
        // The position plus the offset lies in the square, or the offset
        // carried it onto the limit of the last one.
        const Angle offset{Angle::kPerDegree / 1'000'000};
        for (int axis = 0; axis < 2; ++axis) {
            const Angle v = (axis == 0 ? p.longitude : p.latitude) + offset;
            const Angle sw = axis == 0 ? area.southWest.longitude : area.southWest.latitude;
            const Angle ne = axis == 0 ? area.northEast.longitude : area.northEast.latitude;
            const Angle limit = Angle::degrees(axis == 0 ? 180 : 90);
            Require(sw <= v && (v < ne || ne == limit), "the square holds the position");
        }
    }
    if (full.size() == 10) {
        struct Axis {
            Angle value;
            char positive, negative;
        };
        for (const Axis& axis : {Axis{p.longitude, 'E', 'W'}, Axis{p.latitude, 'N', 'S'}}) {
            const std::string text = dmsText(axis.value, axis.positive, axis.negative);
            const Angle magnitude = axis.value.units < 0 ? -axis.value : axis.value;
            if (magnitude >= Angle::degrees(180)) continue;
            const Angle back =
                Angle::fromDms(*ExtractDegrees(text), *ExtractMinutes(text), 0, false) +
                *ExtractExactSeconds(text);
            Require(back == magnitude, "the notation reads back");
            Require(FindHemisphereLetters(text, axis.positive, axis.negative).Second ==
                        (axis.value.units < 0),
                    "the hemisphere letter");
        }
    }
    return 0;
}
