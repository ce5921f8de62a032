// Position texts from arbitrary bytes: nothing crashes; whatever is read lies
// within its limits and reads back the same from the notation dmsText writes;
// a line that the window's notation reads in full is read the same or refused;
// and what a coordinate line takes stays within that line's limits.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "locator/dms_text.h"
#include "locator/fuzz/require.h"
#include "locator/position_text.h"

namespace {

using namespace quillmark;

constexpr Angle::Units kQuarterTurn = 90 * Angle::kPerDegree;

bool inRange(Angle value, CoordinateAxis axis) {
    const Angle::Units half = axis == CoordinateAxis::Latitude ? kQuarterTurn : 2 * kQuarterTurn;
    return value.units >= -half && value.units < half;
}

std::string written(Angle value, CoordinateAxis axis) {
    return axis == CoordinateAxis::Latitude ? dmsText(value, 'N', 'S') : dmsText(value, 'E', 'W');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto reading = readPositionText(text);

    if (const auto* p = std::get_if<Position>(&reading)) {
        Require(inRange(p->latitude, CoordinateAxis::Latitude) &&
                    inRange(p->longitude, CoordinateAxis::Longitude),
                "a position within its limits");
        const std::string back = written(p->latitude, CoordinateAxis::Latitude) + ' ' +
                                 written(p->longitude, CoordinateAxis::Longitude);
        const auto again = readPositionText(back);
        Require(std::holds_alternative<Position>(again) && std::get<Position>(again) == *p,
                "a position reads back from its notation");
    } else if (const auto* c = std::get_if<Coordinate>(&reading)) {
        std::string back;
        if (c->axis) {
            Require(inRange(c->value, *c->axis), "a named value within its limits");
            back = written(c->value, *c->axis);
        } else {
            back = dmsText(c->value, '+', '-');
            back.insert(back.begin(), back.back());
            back.pop_back();
        }
        const auto again = readPositionText(back);
        const auto* value = std::get_if<Coordinate>(&again);
        Require(value && value->value == c->value && value->axis == c->axis,
                "a value reads back from its notation");
    } else {
        Require(std::get<PositionRefusal>(reading).reason != PositionRefusal::Reason::OtherAxis,
                "only a line refuses the other line's value");
    }

    for (const CoordinateAxis axis : {CoordinateAxis::Longitude, CoordinateAxis::Latitude}) {
        const bool longitude = axis == CoordinateAxis::Longitude;
        const auto notation = readDmsLine(text, longitude ? 'E' : 'N', longitude ? 'W' : 'S');
        if (notation) {
            const auto* value = std::get_if<Coordinate>(&reading);
            Require(std::holds_alternative<PositionRefusal>(reading) ||
                        (value && value->value == *notation && value->axis == axis),
                    "a line of the notation reads as the window reads it");
        }
        // Unsigned values on the west side of the longitude line, the north
        // side of the latitude line.
        const auto filled = readForLine(text, axis, longitude);
        if (const auto* lines = std::get_if<LineReading>(&filled)) {
            Require(lines->longitude || lines->latitude, "a line reading fills a line");
            Require(!lines->longitude || inRange(*lines->longitude, CoordinateAxis::Longitude),
                    "a longitude within its limits");
            Require(!lines->latitude || inRange(*lines->latitude, CoordinateAxis::Latitude),
                    "a latitude within its limits");
        }
    }
    return 0;
}
