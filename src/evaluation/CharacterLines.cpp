#include "evaluation/CharacterLines.h"

#include "lookups/CharacterLookups.h"
#include "text/IntegerText.h"
#include "text/Utf8Text.h"

namespace velorin {

namespace {

template <typename Describe>
std::string JoinedByDash(std::string_view text, Describe describe) {
    std::string joined;
    std::vector<std::string> characters = SplitCharacters(text);
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (i > 0) joined += "-";
        joined += describe(characters[i]);
    }
    return joined;
}

}  // namespace

std::vector<std::string> SplitCharacters(std::string_view text) {
    if (text::TrimBlanks(text).empty()) return {};
    return text::Characters(text);
}

std::string CharacterStrokesText(std::string_view text) {
    return JoinedByDash(text, [](std::string_view c) { return text::IntegerText(KangxiStrokeCount(c)); });
}

std::string CharacterElementsText(std::string_view text) { return JoinedByDash(text, PronunciationElement); }

}  // namespace velorin
