#pragma once
// Lookups that turn one Chinese character into a stroke count, an element or
// its traditional form. Each takes one character (UTF-8); a text that is not
// exactly one character is not found.
#include <string>
#include <string_view>

namespace velorin {

// Name-numerology stroke count of the grids (Kangxi count of the traditional
// form, keyed by the character as typed); -1 when not found.
int GridStrokeCount(std::string_view character);

// Stroke count printed in the report; 0 when nothing is found.
int KangxiStrokeCount(std::string_view character);

// Written stroke count of the first character of the text; 0 when absent.
int FallbackStrokeCount(std::string_view text);

// Element by pronunciation: "金" "木" "水" "火" "土", or "" when none.
std::string PronunciationElement(std::string_view character);

// Traditional form, character by character; ASCII and characters without a
// traditional form are unchanged.
std::string ToTraditional(std::string_view text);

}  // namespace velorin
