#pragma once
// What the program needs of the Chinese calendar. The year pillar changes at
// 立春 and the month pillar at the twelve monthly solar terms, at their exact
// moment in China Standard Time; from 23:00 the day pillar is the next day's.
// The calendar covers 19 February 1901 to the end of 2048.
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace velorin {

struct FourPillars {
    std::string year, month, day, hour;  // each one of the 60 cycle names, or empty
};

struct LunarDate {
    int year = 0, month = 0, day = 0;
    bool leap = false;
};

// The j-th stem-branch pair (1 "甲子" … 60 "癸亥"); empty for any other j.
std::string CycleName(int j);

// Year 1900 or earlier: false, pillars untouched. Otherwise outside the
// calendar's range: false and four empty texts. Otherwise the four pillars.
bool FourPillarsOf(const DateTime& moment, FourPillars& pillars);

// Animal of the year pillar's branch; empty outside the range.
std::string ZodiacOf(const DateTime& moment);

// Nayin name of a cycle pair (甲子 and 乙丑 → "海中金"); empty for any other text.
std::string NayinOf(std::string_view pair);

// False (date untouched) outside the range.
bool LunarDateOf(const DateTime& moment, LunarDate& date);

}  // namespace velorin
