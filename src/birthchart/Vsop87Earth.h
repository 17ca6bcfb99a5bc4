#pragma once
// The Earth's heliocentric longitude and distance from the VSOP87 planetary
// theory (Bretagnon and Francou 1988, version D: ecliptic and equinox of
// date), its series cut at 1e-7 radian, which keeps the longitude within a
// tenth of an arcsecond — a few seconds of time for the Sun — over the
// calendar's years.
namespace velorin::astronomy {

// τ: Julian millennia of dynamical time from J2000.0.
double EarthLongitudeRadians(double tau);
double EarthDistanceAu(double tau);

}  // namespace velorin::astronomy
