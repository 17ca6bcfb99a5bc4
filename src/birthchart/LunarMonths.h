#pragma once
// The months of the Chinese lunar calendar: each begins on the day (China
// Standard Time) of a new moon; the month that holds the winter solstice is
// month 11; in a year of 13 months between two such months the first month
// without a principal term is the leap month and repeats the number before it.
#include <vector>

namespace velorin {

struct LunarMonth {
    int firstDay = 0;  // days since 1899-12-30
    int year = 0;      // the lunar year, named by the Gregorian year in which its month 1 begins
    int month = 0;     // 1..12
    bool leap = false;
};

// Numbers the months that begin at `newMoonDays` (ascending). The winter
// solstice days `solsticeDays` (ascending, one a year from
// `firstSolsticeYear`) each mark a month 11; `principalTermDays` (ascending)
// are the days of the principal terms. Months before the first solstice's
// month or from the last one's on are left out.
std::vector<LunarMonth> NumberLunarMonths(const std::vector<int>& newMoonDays, const std::vector<int>& principalTermDays,
                                          const std::vector<int>& solsticeDays, int firstSolsticeYear);

// The lunar months from the month 11 of kFirstTermYear to the month 11 of
// kLastTermYear, computed once on first use.
const std::vector<LunarMonth>& LunarMonths();

}  // namespace velorin
