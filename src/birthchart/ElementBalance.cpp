#include "birthchart/ElementBalance.h"

#include "birthchart/SexagenaryCycle.h"
#include "embedded/CycleElementTable.h"
#include "text/Utf8Text.h"

namespace velorin {

namespace {

// The order in which elements are always counted and listed.
constexpr std::array<std::string_view, 5> kElements = {"金", "木", "水", "火", "土"};

int OccurrencesOf(std::string_view text, std::string_view character) {
    int count = 0;
    for (std::size_t at = text.find(character); at != std::string_view::npos; at = text.find(character, at + character.size())) {
        ++count;
    }
    return count;
}

}  // namespace

CycleElementTable::CycleElementTable(std::string_view carriedText) : rows_(text::Split(carriedText, "\r\n")) {}

const CycleElementTable& CycleElementTable::Carried() {
    static const CycleElementTable table(embedded::CycleElementTable());
    return table;
}

const std::string& CycleElementTable::Entry(int j) const {
    static const std::string kEmpty;
    return j >= 1 && j <= Count() ? rows_[static_cast<std::size_t>(j - 1)] : kEmpty;
}

ElementBalanceResult ElementBalance(const FourPillars& pillars, const CycleElementTable& table) {
    ElementBalanceResult balance;
    // An empty pillar (no chart for the moment) adds nothing.
    for (const std::string* pillar : {&pillars.year, &pillars.month, &pillars.day, &pillars.hour}) {
        balance.elementText += table.Entry(CycleNumberOfName(*pillar));
    }
    for (std::size_t e = 0; e < kElements.size(); ++e) {
        balance.counts[e] = OccurrencesOf(balance.elementText, kElements[e]);
        if (balance.counts[e] == 0) balance.lackingText += std::string(kElements[e]) + "  ";
    }
    return balance;
}

ElementBalanceResult ElementBalanceOf(const DateTime& moment, const CycleElementTable& table) {
    FourPillars pillars;
    FourPillarsOf(moment, pillars);
    return ElementBalance(pillars, table);
}

std::string FirstLackingElement(std::string_view lackingText) { return text::First(text::TrimBlanks(lackingText)); }

std::string CountsLine(const std::array<int, 5>& counts) {
    std::string line = "五行个数：";
    for (std::size_t e = 0; e < kElements.size(); ++e) {
        line += (e == 0 ? " " : "个  ") + std::string(kElements[e]) + "：" + std::to_string(counts[e]);
    }
    return line + "个";
}

std::string FavourableElementLine(std::string_view lackingText) {
    if (lackingText.empty()) return "此喜用神：生辰八字不缺\r\n";
    return "此喜用神为:" + std::string(lackingText) + "\r\n";
}

}  // namespace velorin
