// Placeholder until the calendar lands.
#include "birthchart/Calendar.h"

namespace velorin {

std::string CycleName(int) { return {}; }
bool FourPillarsOf(const DateTime&, FourPillars&) { return false; }
std::string ZodiacOf(const DateTime&) { return {}; }
std::string NayinOf(std::string_view) { return {}; }
bool LunarDateOf(const DateTime&, LunarDate&) { return false; }

}  // namespace velorin
