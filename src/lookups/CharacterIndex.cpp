#include "lookups/CharacterIndex.h"

#include <algorithm>

#include "text/IntegerText.h"
#include "text/Utf8Text.h"

namespace velorin {

namespace {

std::size_t SizeOfFirst(std::string_view text) {
    return std::min(text::CharacterSize(static_cast<unsigned char>(text.front())), text.size());
}

// The tables end with a line break; nothing after it is an entry.
bool AtEnd(std::string_view table) { return table.empty() || table.front() == '\n'; }

// Readings are spelt with letters below U+2000, whose UTF-8 lead bytes stay
// below 0xE2; a character from there on is the next entry's key.
bool StartsEntry(std::string_view table) { return static_cast<unsigned char>(table.front()) >= 0xE2; }

}  // namespace

CharacterIndex<int> IndexTwoDigitCounts(std::string_view table) {
    CharacterIndex<int> index;
    while (!AtEnd(table)) {
        std::size_t size = SizeOfFirst(table);
        index.emplace(table.substr(0, size), text::TextToInteger(table.substr(size, 2)));
        table.remove_prefix(std::min(size + 3, table.size()));
    }
    return index;
}

CharacterIndex<int> IndexCommaCounts(std::string_view table) {
    CharacterIndex<int> index;
    while (!AtEnd(table)) {
        std::size_t size = SizeOfFirst(table);
        std::size_t comma = std::min(table.find(',', size), table.size());
        index.emplace(table.substr(0, size), text::TextToInteger(table.substr(size, comma - size)));
        table.remove_prefix(std::min(comma + 1, table.size()));
    }
    return index;
}

CharacterIndex<std::string_view> IndexKeyedRuns(std::string_view lists) {
    CharacterIndex<std::string_view> index;
    while (!lists.empty()) {
        std::string_view line = lists.substr(0, lists.find('\n'));
        lists.remove_prefix(std::min(line.size() + 1, lists.size()));
        std::size_t space = line.find(' ');
        if (space == std::string_view::npos) continue;
        std::string_view key = line.substr(0, space);
        for (std::string_view run = line.substr(space + 1); !run.empty();) {
            std::size_t size = SizeOfFirst(run);
            index[run.substr(0, size)] = key;
            run.remove_prefix(size);
        }
    }
    return index;
}

CharacterIndex<std::string_view> IndexReadings(std::string_view table) {
    CharacterIndex<std::string_view> index;
    while (!AtEnd(table)) {
        std::size_t keySize = SizeOfFirst(table);
        std::size_t end = keySize;
        while (end < table.size() && table[end] != '\n' && !StartsEntry(table.substr(end))) {
            end += SizeOfFirst(table.substr(end));
        }
        end = std::min(end, table.size());
        index.emplace(table.substr(0, keySize), table.substr(keySize, end - keySize));
        table.remove_prefix(end);
    }
    return index;
}

}  // namespace velorin
