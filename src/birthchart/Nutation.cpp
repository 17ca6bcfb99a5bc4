#include "birthchart/Nutation.h"

#include <cmath>
#include <numbers>

namespace velorin::astronomy {

namespace {

// Multiples of D, M, M′, F, Ω and the coefficient in 0.0001″ (constant and per century).
struct NutationTerm {
    int d, m, mPrime, f, omega;
    double sine, sinePerCentury;
};

constexpr NutationTerm kTerms[] = {
    {0, 0, 0, 0, 1, -171996, -174.2}, {-2, 0, 0, 2, 2, -13187, -1.6}, {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},       {0, 1, 0, 0, 0, 1426, -3.4},    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},      {0, 0, 0, 2, 1, -386, -0.4},    {0, 0, 1, 2, 2, -301, 0.0},
    {-2, -1, 0, 2, 2, 217, -0.5},     {-2, 0, 1, 0, 0, -158, 0.0},    {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0.0},       {2, 0, 0, 0, 0, 63, 0.0},       {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0.0},       {0, 0, -1, 0, 1, -58, -0.1},    {0, 0, 1, 2, 1, -51, 0.0},
};

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

}  // namespace

double NutationInLongitudeArcseconds(double T) {
    // Mean elongation of the Moon, anomalies of the Sun and the Moon, the
    // Moon's argument of latitude and the longitude of its ascending node.
    const double d = Radians(297.85036 + T * (445267.111480 + T * (-0.0019142 + T / 189474.0)));
    const double m = Radians(357.52772 + T * (35999.050340 + T * (-0.0001603 - T / 300000.0)));
    const double mPrime = Radians(134.96298 + T * (477198.867398 + T * (0.0086972 + T / 56250.0)));
    const double f = Radians(93.27191 + T * (483202.017538 + T * (-0.0036825 + T / 327270.0)));
    const double omega = Radians(125.04452 + T * (-1934.136261 + T * (0.0020708 + T / 450000.0)));
    double sum = 0.0;
    for (const NutationTerm& term : kTerms) {
        const double argument = term.d * d + term.m * m + term.mPrime * mPrime + term.f * f + term.omega * omega;
        sum += (term.sine + term.sinePerCentury * T) * std::sin(argument);
    }
    return sum * 1e-4;
}

}  // namespace velorin::astronomy
