#pragma once
// The character lookups done the slow way, for benchmarks to measure the
// indexed lookups against: every call walks the carried text character by
// character, with no index and no cache. Answers equal those of the indexed
// lookups for every one-character text.
#include <cstddef>
#include <string>
#include <string_view>

#include "embedded/FallbackStrokeTable.h"
#include "embedded/GridStrokeTable.h"
#include "embedded/KangxiStrokeLists.h"
#include "embedded/PinyinTable.h"
#include "embedded/PronunciationElementLists.h"
#include "lookups/CharacterLookups.h"
#include "text/IntegerText.h"
#include "text/Utf8Text.h"

namespace velorin {

// Byte offset of the first occurrence of `needle` that starts on a character
// boundary of `text`, or npos.
inline std::size_t LinearFind(std::string_view text, std::string_view needle) {
    for (std::size_t offset = 0; offset + needle.size() <= text.size();
         offset += text::CharacterSize(static_cast<unsigned char>(text[offset]))) {
        if (text.compare(offset, needle.size(), needle) == 0) return offset;
    }
    return std::string_view::npos;
}

// Calls `visit(key, run)` for each line "key run" of a carried list text.
template <typename Visit>
void ForEachCarriedList(std::string_view lists, Visit visit) {
    while (!lists.empty()) {
        std::size_t end = lists.find('\n');
        std::string_view line = lists.substr(0, end);
        std::size_t space = line.find(' ');
        visit(line.substr(0, space), line.substr(space + 1));
        lists.remove_prefix(end == std::string_view::npos ? lists.size() : end + 1);
    }
}

inline int LinearGridStrokeCount(std::string_view character) {
    if (!text::IsOneCharacter(character)) return -1;
    std::string_view table = embedded::GridStrokeTable();
    std::size_t at = LinearFind(table, character);
    if (at == std::string_view::npos) return -1;
    return text::TextToInteger(table.substr(at + character.size(), 2));
}

inline int LinearFallbackStrokeCount(std::string_view text) {
    std::string first = text::First(text);
    if (first.size() < 2) return 0;
    std::string_view table = embedded::FallbackStrokeTable();
    std::size_t at = LinearFind(table, first);
    if (at == std::string_view::npos) return 0;
    std::string_view rest = table.substr(at + first.size());
    return text::TextToInteger(rest.substr(0, rest.find(',')));
}

inline int LinearKangxiStrokeCount(std::string_view character) {
    if (!text::IsOneCharacter(character)) return 0;
    int count = 0;
    ForEachCarriedList(embedded::KangxiStrokeLists(), [&](std::string_view key, std::string_view run) {
        if (LinearFind(run, character) != std::string_view::npos) count = text::TextToInteger(key);
    });
    return count >= 1 ? count : LinearFallbackStrokeCount(ToTraditional(character));
}

inline std::string LinearPronunciationElement(std::string_view character) {
    if (!text::IsOneCharacter(character)) return {};
    std::string element;
    ForEachCarriedList(embedded::PronunciationElementLists(), [&](std::string_view key, std::string_view run) {
        if (LinearFind(run, character) != std::string_view::npos) element = key;
    });
    return element;
}

inline std::string LinearFirstReading(std::string_view character) {
    if (!text::IsOneCharacter(character)) return {};
    std::string_view table = embedded::PinyinTable();
    std::size_t at = LinearFind(table, character);
    if (at == std::string_view::npos) return {};
    std::string_view rest = table.substr(at + character.size());
    return std::string(rest.substr(0, rest.find(',')));
}

}  // namespace velorin
