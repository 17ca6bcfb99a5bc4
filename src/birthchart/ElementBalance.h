#pragma once
// The elements of a birth chart: the element of each of its eight characters,
// how many of each element, and which elements are lacking.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "birthchart/Calendar.h"

namespace velorin {

// Row j (1..60) is the element of the j-th cycle pair's stem and branch,
// each followed by a comma ("木,水," for 甲子).
class CycleElementTable {
public:
    explicit CycleElementTable(std::string_view carriedText);
    static const CycleElementTable& Carried();
    // Row j, 1-based; empty outside 1..60.
    const std::string& Entry(int j) const;
    int Count() const { return static_cast<int>(rows_.size()); }

private:
    std::vector<std::string> rows_;
};

struct ElementBalanceResult {
    std::string elementText;      // "木,水,火,木,土,土,金,火,"
    std::array<int, 5> counts{};  // in the order 金 木 水 火 土
    std::string lackingText;      // "木  火  ", empty when nothing lacks
};

ElementBalanceResult ElementBalance(const FourPillars& pillars,
                                    const CycleElementTable& table = CycleElementTable::Carried());

// The pillars of a moment (empty when the calendar has none) and their balance.
ElementBalanceResult ElementBalanceOf(const DateTime& moment,
                                      const CycleElementTable& table = CycleElementTable::Carried());

// The first lacking element, one character or empty.
std::string FirstLackingElement(std::string_view lackingText);

// "五行个数： 金：0个  木：4个  水：1个  火：2个  土：1个" (no line break).
std::string CountsLine(const std::array<int, 5>& counts);

// The favourable-element line with its line break: "此喜用神为:" + lacking,
// or "此喜用神：生辰八字不缺\r\n".
std::string FavourableElementLine(std::string_view lackingText);

}  // namespace velorin
