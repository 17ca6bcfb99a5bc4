#pragma once
// The 24 solar terms: the moments at which the Sun's apparent longitude
// reaches a multiple of 15°. Counted within a Gregorian year from 小寒
// (index 0, 285°) through 立春 (2, 315°), 春分 (5, 0°) … to 冬至 (23, 270°).
// The even indices are the monthly terms (节) that begin the months of the
// four pillars; the odd ones are the principal terms (中气) that fix the
// numbers of the lunar months.
#include <vector>

namespace velorin {

inline constexpr int kTermsPerYear = 24;
inline constexpr int kFirstTermYear = 1900;
inline constexpr int kLastTermYear = 2049;

namespace astronomy {

// Julian Ephemeris Day of a year's term.
double SolarTermJde(int year, int index);

}  // namespace astronomy

// Every term of kFirstTermYear .. kLastTermYear in order, as days since
// 1899-12-30 00:00 China Standard Time; the term `index` of `year` is at
// (year − kFirstTermYear) · 24 + index. Computed once, on first use.
const std::vector<double>& SolarTermMoments();

}  // namespace velorin
