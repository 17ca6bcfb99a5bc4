// Placeholder until the astronomy lands: pillars and lunar dates come next.
#include "birthchart/Calendar.h"

namespace velorin {

bool FourPillarsOf(const DateTime&, FourPillars&) { return false; }
std::string ZodiacOf(const DateTime&) { return {}; }
bool LunarDateOf(const DateTime&, LunarDate&) { return false; }

}  // namespace velorin
