#include "lookups/PinyinTable.h"

#include "embedded/PinyinTable.h"
#include "lookups/CharacterIndex.h"

namespace velorin {

namespace {

// The readings of a character as the table writes them, each followed by a
// comma ("zhāng,zhàng,"); empty when not held.
std::string_view ReadingsText(std::string_view character) {
    static const CharacterIndex<std::string_view> index = IndexReadings(embedded::PinyinTable());
    return ValueOf(index, character);
}

}  // namespace

std::string_view CarriedFirstReading(std::string_view character) {
    std::string_view readings = ReadingsText(character);
    return readings.substr(0, readings.find(','));
}

std::vector<std::string_view> CarriedReadings(std::string_view character) {
    std::vector<std::string_view> readings;
    for (std::string_view rest = ReadingsText(character); !rest.empty();) {
        std::size_t comma = rest.find(',');
        readings.push_back(rest.substr(0, comma));
        rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
    }
    return readings;
}

}  // namespace velorin
