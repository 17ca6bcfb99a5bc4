#pragma once
// Nutation in longitude: the wobble of the equinox that the apparent
// position of the Sun includes (IAU 1980 theory, its terms above 0.005″).
namespace velorin::astronomy {

// T: Julian centuries of dynamical time from J2000.0. Result in arcseconds.
double NutationInLongitudeArcseconds(double T);

}  // namespace velorin::astronomy
