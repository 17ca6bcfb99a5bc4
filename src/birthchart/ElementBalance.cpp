// Placeholder until the element balance lands.
#include "birthchart/ElementBalance.h"

#include "embedded/CycleElementTable.h"
#include "text/Utf8Text.h"

namespace velorin {

CycleElementTable::CycleElementTable(std::string_view carriedText) : rows_(text::Split(carriedText, "\r\n")) {}

const CycleElementTable& CycleElementTable::Carried() {
    static const CycleElementTable table(embedded::CycleElementTable());
    return table;
}

const std::string& CycleElementTable::Entry(int j) const {
    static const std::string kEmpty;
    return j >= 1 && j <= Count() ? rows_[static_cast<std::size_t>(j - 1)] : kEmpty;
}

ElementBalanceResult ElementBalance(const FourPillars&, const CycleElementTable&) { return {}; }
ElementBalanceResult ElementBalanceOf(const DateTime&, const CycleElementTable&) { return {}; }
std::string FirstLackingElement(std::string_view) { return {}; }
std::string CountsLine(const std::array<int, 5>&) { return {}; }
std::string FavourableElementLine(std::string_view) { return {}; }

}  // namespace velorin
