#include "birthchart/TimeScales.h"

namespace velorin::astronomy {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kJulianDayOfDay0 = 2415018.5;  // 1899-12-30 00:00 UT
constexpr double kChinaOffsetDays = 8.0 / 24.0;
constexpr double kSecondsPerDay = 86400.0;

// The year with fraction of a moment, close enough for ΔT, which changes by
// well under a second a year.
double YearOf(double julianDay) { return 2000.0 + (julianDay - kJ2000) / 365.2425; }

}  // namespace

double DeltaTSeconds(double year) {
    if (year < 1920) {
        const double t = year - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (year < 1941) {
        const double t = year - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (year < 1961) {
        const double t = year - 1950;
        return 29.07 + t * (0.407 + t * (-1.0 / 233 + t / 2547));
    }
    if (year < 1986) {
        const double t = year - 1975;
        return 45.45 + t * (1.067 + t * (-1.0 / 260 - t / 718));
    }
    if (year < 2005) {
        const double t = year - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (year < 2050) {
        const double t = year - 2000;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - year);
}

double ChinaDaysFromJde(double jde) {
    const double universal = jde - DeltaTSeconds(YearOf(jde)) / kSecondsPerDay;
    return universal - kJulianDayOfDay0 + kChinaOffsetDays;
}

double JdeFromChinaDays(double chinaDays) {
    const double universal = chinaDays + kJulianDayOfDay0 - kChinaOffsetDays;
    return universal + DeltaTSeconds(YearOf(universal)) / kSecondsPerDay;
}

double JulianCenturies(double jde) { return (jde - kJ2000) / 36525.0; }
double JulianMillennia(double jde) { return (jde - kJ2000) / 365250.0; }

}  // namespace velorin::astronomy
