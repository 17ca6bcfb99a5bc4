#pragma once
// Where the Sun appears from the Earth: its apparent geocentric longitude,
// referred to the true equinox of date, as the solar terms are defined.
namespace velorin::astronomy {

// Degrees in [0, 360) at a Julian Ephemeris Day.
double ApparentSolarLongitude(double jde);

// Difference a − b of two longitudes, in (−180, 180] degrees.
double LongitudeDifference(double a, double b);

}  // namespace velorin::astronomy
