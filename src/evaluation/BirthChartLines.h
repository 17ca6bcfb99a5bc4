#pragma once
// The lines that describe the birth chart of a moment, shared by the
// evaluation report and the birth-chart window.
#include <array>
#include <string>

#include "birthchart/Calendar.h"
#include "birthchart/ElementBalance.h"
#include "platform/DateTime.h"

namespace velorin {

struct BirthChartLines {
    FourPillars pillars;
    ElementBalanceResult balance;
    // 属相, 四柱, 八字, 五行 and 纳音, each ending "\r\n".
    std::array<std::string, 5> calendar;
    // "五行： " with the elements again, the counts, 五行缺 and the
    // favourable element, each ending "\r\n".
    std::array<std::string, 4> balanceLines;
};

// A moment the calendar does not cover gives empty pillars, and then every
// element is lacking.
BirthChartLines BirthChartLinesOf(const DateTime& moment);

}  // namespace velorin
