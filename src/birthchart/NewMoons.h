#pragma once
// Moments of new moon (Meeus, Astronomical Algorithms, chapter 49), exact to
// some seconds against the full lunar theory.
namespace velorin::astronomy {

// Julian Ephemeris Day of lunation k; k = 0 is the new moon of 6 January 2000,
// each step one synodic month.
double NewMoonJde(int k);

// The lunation whose new moon falls near a Julian Ephemeris Day.
int LunationNear(double jde);

}  // namespace velorin::astronomy
