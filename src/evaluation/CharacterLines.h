#pragma once
// The strokes and elements of a text's characters as the report lists them.
#include <string>
#include <string_view>
#include <vector>

namespace velorin {

// The characters of the text; none for a text of blanks only.
std::vector<std::string> SplitCharacters(std::string_view text);

// The Kangxi stroke count of each character, joined by "-" ("12-8").
std::string CharacterStrokesText(std::string_view text);

// The element of each character, joined by "-"; a character without one
// leaves its place between the dashes empty.
std::string CharacterElementsText(std::string_view text);

}  // namespace velorin
