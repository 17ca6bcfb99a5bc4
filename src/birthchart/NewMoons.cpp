#include "birthchart/NewMoons.h"

#include <cmath>
#include <numbers>

namespace velorin::astronomy {

namespace {

constexpr double kFirstNewMoon = 2451550.09766;  // 6 January 2000
constexpr double kSynodicMonth = 29.530588861;

double SinDegrees(double degrees) { return std::sin(degrees * std::numbers::pi / 180.0); }

// The planets' pull: 14 small periodic terms, in days.
double PlanetaryCorrection(double k, double T) {
    struct Argument {
        double start, perLunation, perCenturySquared, amplitude;
    };
    static constexpr Argument kArguments[] = {
        {299.77, 0.107408, -0.009173, 0.000325}, {251.88, 0.016321, 0, 0.000165}, {251.83, 26.651886, 0, 0.000164},
        {349.42, 36.412478, 0, 0.000126},        {84.66, 18.206239, 0, 0.000110}, {141.74, 53.303771, 0, 0.000062},
        {207.14, 2.453732, 0, 0.000060},         {154.84, 7.306860, 0, 0.000056}, {34.52, 27.261239, 0, 0.000047},
        {207.19, 0.121824, 0, 0.000042},         {291.34, 1.844379, 0, 0.000040}, {161.72, 24.198154, 0, 0.000037},
        {239.56, 25.513099, 0, 0.000035},        {331.55, 3.592518, 0, 0.000023},
    };
    double sum = 0.0;
    for (const Argument& a : kArguments) {
        sum += a.amplitude * SinDegrees(a.start + a.perLunation * k + a.perCenturySquared * T * T);
    }
    return sum;
}

}  // namespace

int LunationNear(double jde) { return static_cast<int>(std::lround((jde - kFirstNewMoon) / kSynodicMonth)); }

double NewMoonJde(int lunation) {
    const double k = lunation;
    const double T = k / 1236.85;
    const double mean = kFirstNewMoon + kSynodicMonth * k + T * T * (0.00015437 + T * (-0.000000150 + T * 0.00000000073));
    // Eccentricity factor of the Earth's orbit, the Sun's and the Moon's mean
    // anomalies, the Moon's argument of latitude and its ascending node.
    const double e = 1 - T * (0.002516 + T * 0.0000074);
    const double m = 2.5534 + 29.10535670 * k - T * T * (0.0000014 + T * 0.00000011);
    const double mp = 201.5643 + 385.81693528 * k + T * T * (0.0107582 + T * (0.00001238 - T * 0.000000058));
    const double f = 160.7108 + 390.67050284 * k - T * T * (0.0016118 + T * (0.00000227 - T * 0.000000011));
    const double omega = 124.7746 - 1.56375588 * k + T * T * (0.0020672 + T * 0.00000215);
    const double periodic =
        -0.40720 * SinDegrees(mp) + 0.17241 * e * SinDegrees(m) + 0.01608 * SinDegrees(2 * mp) +
        0.01039 * SinDegrees(2 * f) + 0.00739 * e * SinDegrees(mp - m) - 0.00514 * e * SinDegrees(mp + m) +
        0.00208 * e * e * SinDegrees(2 * m) - 0.00111 * SinDegrees(mp - 2 * f) - 0.00057 * SinDegrees(mp + 2 * f) +
        0.00056 * e * SinDegrees(2 * mp + m) - 0.00042 * SinDegrees(3 * mp) + 0.00042 * e * SinDegrees(m + 2 * f) +
        0.00038 * e * SinDegrees(m - 2 * f) - 0.00024 * e * SinDegrees(2 * mp - m) - 0.00017 * SinDegrees(omega) -
        0.00007 * SinDegrees(mp + 2 * m) + 0.00004 * SinDegrees(2 * mp - 2 * f) + 0.00004 * SinDegrees(3 * m) +
        0.00003 * SinDegrees(mp + m - 2 * f) + 0.00003 * SinDegrees(2 * mp + 2 * f) -
        0.00003 * SinDegrees(mp + m + 2 * f) + 0.00003 * SinDegrees(mp - m + 2 * f) -
        0.00002 * SinDegrees(mp - m - 2 * f) - 0.00002 * SinDegrees(3 * mp + m) + 0.00002 * SinDegrees(4 * mp);
    return mean + periodic + PlanetaryCorrection(k, T);
}

}  // namespace velorin::astronomy
