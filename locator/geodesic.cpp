#include "locator/geodesic.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>

namespace quillmark {
namespace {

constexpr double kHalfMeridianKilometres = 20003.931458;

double degreesOf(Angle angle) {
    // Exact to the 64-bit significand of long double, far below a millimetre.
    return static_cast<double>(static_cast<long double>(angle.units) /
                               static_cast<long double>(Angle::kPerDegree));
}

// GeographicLib's azimuths run from -180 to 180.
double compassAzimuth(double azimuth) {
    const double turned = azimuth < 0 ? azimuth + 360 : azimuth;
    return turned >= 360 ? 0 : turned;
}

Path geodesic(double lat1, double lon1, double lat2, double lon2) {
    double metres = 0, azi1 = 0, azi2 = 0;
    GeographicLib::Geodesic::WGS84().Inverse(lat1, lon1, lat2, lon2, metres, azi1, azi2);
    return {metres / 1000, compassAzimuth(azi1)};
}

}  // namespace

Paths pathsBetween(const Position& from, const Position& to) {
    const double lat1 = degreesOf(from.latitude), lon1 = degreesOf(from.longitude);
    const double lat2 = degreesOf(to.latitude), lon2 = degreesOf(to.longitude);
    Paths paths{geodesic(lat1, lon1, lat2, lon2), geodesic(lat1, lon1, -lat2, lon2 + 180)};
    paths.longPath.kilometres += kHalfMeridianKilometres;
    return paths;
}

}  // namespace quillmark
