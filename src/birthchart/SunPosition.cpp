#include "birthchart/SunPosition.h"

#include <cmath>
#include <numbers>

#include "birthchart/Nutation.h"
#include "birthchart/TimeScales.h"
#include "birthchart/Vsop87Earth.h"

namespace velorin::astronomy {

namespace {

constexpr double kArcsecondsPerDegree = 3600.0;

double Normalized(double degrees) {
    const double reduced = std::fmod(degrees, 360.0);
    return reduced < 0 ? reduced + 360.0 : reduced;
}

}  // namespace

double LongitudeDifference(double a, double b) {
    const double difference = Normalized(a - b);
    return difference > 180.0 ? difference - 360.0 : difference;
}

double ApparentSolarLongitude(double jde) {
    const double tau = JulianMillennia(jde);
    // The Sun seen from the Earth stands opposite the Earth seen from the Sun.
    const double geometric = EarthLongitudeRadians(tau) * 180.0 / std::numbers::pi + 180.0;
    // VSOP87's dynamical equinox lies 0.09033″ off the FK5 system's; the Sun's
    // light takes about 8 minutes to arrive, in which the Earth moves on
    // (aberration, 20.4898″ at one astronomical unit).
    const double corrections = -0.09033 + NutationInLongitudeArcseconds(JulianCenturies(jde)) -
                               20.4898 / EarthDistanceAu(tau);
    return Normalized(geometric + corrections / kArcsecondsPerDegree);
}

}  // namespace velorin::astronomy
