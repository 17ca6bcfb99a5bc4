#pragma once
// The carried pinyin table: the readings of a character with tone marks, its
// standard Mandarin reading first.
#include <string_view>
#include <vector>

namespace velorin {

// First reading of a character in the carried pinyin table; empty when the
// table does not hold the character or the text is not one character.
std::string_view CarriedFirstReading(std::string_view character);

// All readings of a character, first reading first; empty when not held.
std::vector<std::string_view> CarriedReadings(std::string_view character);

}  // namespace velorin
