// Placeholder until the carried tables land.
#include "lookups/PinyinTable.h"

namespace velorin {

std::string_view CarriedFirstReading(std::string_view) { return {}; }

}  // namespace velorin
