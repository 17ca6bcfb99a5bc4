#include "lookups/CharacterLookups.h"

#include "embedded/FallbackStrokeTable.h"
#include "embedded/GridStrokeTable.h"
#include "embedded/KangxiStrokeLists.h"
#include "embedded/PronunciationElementLists.h"
#include "lookups/CharacterIndex.h"
#include "text/IntegerText.h"
#include "text/Utf8Text.h"

namespace velorin {

int GridStrokeCount(std::string_view character) {
    static const CharacterIndex<int> index = IndexTwoDigitCounts(embedded::GridStrokeTable());
    return ValueOf(index, character, -1);
}

int KangxiStrokeCount(std::string_view character) {
    // A character in several lists stands for several traditional characters;
    // the last list, the largest count, is the one in force.
    static const CharacterIndex<int> index = [] {
        CharacterIndex<int> counts;
        for (auto [character, list] : IndexKeyedRuns(embedded::KangxiStrokeLists())) {
            counts.emplace(character, text::TextToInteger(list));
        }
        return counts;
    }();
    if (!text::IsOneCharacter(character)) return 0;
    int count = ValueOf(index, character, 0);
    return count >= 1 ? count : FallbackStrokeCount(ToTraditional(character));
}

int FallbackStrokeCount(std::string_view text) {
    static const CharacterIndex<int> index = IndexCommaCounts(embedded::FallbackStrokeTable());
    if (text.empty()) return 0;
    return ValueOf(index, text.substr(0, text::CharacterSize(static_cast<unsigned char>(text.front()))), 0);
}

std::string PronunciationElement(std::string_view character) {
    static const CharacterIndex<std::string_view> index = IndexKeyedRuns(embedded::PronunciationElementLists());
    return std::string(ValueOf(index, character));
}

}  // namespace velorin
