#pragma once
// Indexes over the carried character tables, each built once from its text.
// Every key holds one entry, so a hash lookup answers what a first-match scan
// of the text would. Keys and values are views into the carried texts, which
// live as long as the program.
#include <string_view>
#include <unordered_map>

#include "text/Utf8Text.h"

namespace velorin {

template <typename Value>
using CharacterIndex = std::unordered_map<std::string_view, Value>;

// The value of a character; `absent` for a character the index lacks and for
// any text that is not exactly one character.
template <typename Value>
Value ValueOf(const CharacterIndex<Value>& index, std::string_view character, Value absent = {}) {
    if (!text::IsOneCharacter(character)) return absent;
    auto entry = index.find(character);
    return entry == index.end() ? absent : entry->second;
}

// "啊11 阿13 …": a character, its count in two characters, a space.
CharacterIndex<int> IndexTwoDigitCounts(std::string_view table);

// "啊10,阿7,…": a character, its count, a comma.
CharacterIndex<int> IndexCommaCounts(std::string_view table);

// Lines "key run": each character of a run maps to the key of its line; a
// character in several runs maps to the key of the last one.
CharacterIndex<std::string_view> IndexKeyedRuns(std::string_view lists);

// "张zhāng,zhàng,曾céng,zēng,…": a character and its readings, each followed by
// a comma. Maps each character to its readings ("zhāng,zhàng,").
CharacterIndex<std::string_view> IndexReadings(std::string_view table);

}  // namespace velorin
