#pragma once
// The pinyin of a name as the report prints it: the first reading of each
// character, taken from the carried pinyin table, and for a character the
// table lacks from the platform's toneless pinyin.
#include <functional>
#include <string>
#include <string_view>

namespace velorin {

// A reading source for one character: its reading, or empty when unknown.
using PinyinSource = std::function<std::string(std::string_view character)>;

// The platform's pinyin of one Chinese character: the first syllable in
// lower-case ASCII without tone marks ("zhang" for 张); empty for anything
// else and for a character it cannot read.
std::string PlatformPinyin(std::string_view character);

// The readings of every character of the text joined with no separator; a
// character neither the table nor the fallback can read adds nothing.
std::string NameSoundText(std::string_view text, const PinyinSource& fallback = PlatformPinyin);

}  // namespace velorin
