// Distance and beam heading between two positions on the WGS-84 ellipsoid.
// The only floating-point code of the engine: nothing here leads to a cell.
#pragma once

#include "locator/angle.h"

namespace quillmark {

// One way from a station to another: the length of the path in kilometres
// and the initial azimuth at the first station, in degrees clockwise from
// true north, 0 <= azimuth < 360.
struct Path {
    double kilometres;
    double azimuth;
};

// The short path is the geodesic between the two positions. The long path
// goes the other way round: the geodesic from the first position to the
// antipode of the second, with that geodesic's initial azimuth, plus half a
// meridian (20003.931458 km) from the antipode on to the second position.
// Coincident positions give 0 km; their azimuth is GeographicLib's choice.
struct Paths {
    Path shortPath;
    Path longPath;
};

// Any positions are taken; latitudes beyond the poles are not positions and
// give whatever GeographicLib makes of them.
Paths pathsBetween(const Position& from, const Position& to);

}  // namespace quillmark
