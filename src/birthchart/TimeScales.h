#pragma once
// The astronomy runs in dynamical time (TT) as Julian Ephemeris Days; the
// calendar counts China Standard Time (UTC+8) as the platform's days since
// 1899-12-30 00:00. ΔT = TT − UT links the two.
namespace velorin::astronomy {

// ΔT in seconds for a year with fraction (Espenak and Meeus polynomials).
double DeltaTSeconds(double year);

// Julian Ephemeris Day ↔ days since 1899-12-30 00:00 China Standard Time.
double ChinaDaysFromJde(double jde);
double JdeFromChinaDays(double chinaDays);

// Julian centuries and millennia of dynamical time from J2000.0.
double JulianCenturies(double jde);
double JulianMillennia(double jde);

}  // namespace velorin::astronomy
