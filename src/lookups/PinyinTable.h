#pragma once
#include <string_view>

namespace velorin {

// First reading (with tone marks) of a character in the carried pinyin
// table; empty when the table does not hold the character.
std::string_view CarriedFirstReading(std::string_view character);

}  // namespace velorin
