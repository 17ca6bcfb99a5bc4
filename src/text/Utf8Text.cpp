#include "text/Utf8Text.h"

#include <algorithm>

namespace velorin::text {

std::size_t CharacterSize(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

namespace {

// Byte offset of character `index` (from 0); text.size() when past the end.
std::size_t ByteOffset(std::string_view text, std::size_t index) {
    std::size_t offset = 0;
    for (std::size_t i = 0; i < index && offset < text.size(); ++i) {
        offset += CharacterSize(static_cast<unsigned char>(text[offset]));
    }
    return std::min(offset, text.size());
}

}  // namespace

std::size_t Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < text.size(); ++count) {
        offset += CharacterSize(static_cast<unsigned char>(text[offset]));
    }
    return count;
}

std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> result;
    for (std::size_t offset = 0; offset < text.size();) {
        std::size_t size = std::min(CharacterSize(static_cast<unsigned char>(text[offset])),
                                    text.size() - offset);
        result.emplace_back(text.substr(offset, size));
        offset += size;
    }
    return result;
}

std::string Left(std::string_view text, std::size_t count) {
    return std::string(text.substr(0, ByteOffset(text, count)));
}

std::string Right(std::string_view text, std::size_t count) {
    std::size_t length = Length(text);
    return count >= length ? std::string(text)
                           : std::string(text.substr(ByteOffset(text, length - count)));
}

std::string Middle(std::string_view text, std::size_t start, std::size_t count) {
    if (start == 0) start = 1;
    std::size_t begin = ByteOffset(text, start - 1);
    std::size_t end = begin + ByteOffset(text.substr(begin), count);
    return std::string(text.substr(begin, end - begin));
}

std::string First(std::string_view text) { return Left(text, 1); }

std::string Last(std::string_view text) { return Right(text, 1); }

namespace {

// Byte offset of the next occurrence of `needle` starting on a character
// boundary at or after byte `offset`, or npos.
std::size_t FindBoundaryMatch(std::string_view text, std::string_view needle, std::size_t offset) {
    while (offset + needle.size() <= text.size()) {
        if (text.compare(offset, needle.size(), needle) == 0) return offset;
        offset += CharacterSize(static_cast<unsigned char>(text[offset]));
    }
    return std::string_view::npos;
}

}  // namespace

std::size_t Find(std::string_view text, std::string_view needle, std::size_t from) {
    std::size_t start = ByteOffset(text, from == 0 ? 0 : from - 1);
    std::size_t match = FindBoundaryMatch(text, needle, start);
    return match == std::string_view::npos ? 0 : Length(text.substr(0, match)) + 1;
}


std::vector<std::string> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (separator.empty()) {
        if (!text.empty()) pieces.emplace_back(text);
        return pieces;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t match = FindBoundaryMatch(text, separator, start);
        if (match == std::string_view::npos) break;
        pieces.emplace_back(text.substr(start, match - start));
        start = match + separator.size();
    }
    if (start < text.size()) pieces.emplace_back(text.substr(start));
    return pieces;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t match; (match = FindBoundaryMatch(text, from, start)) != std::string_view::npos;) {
        result.append(text.substr(start, match - start)).append(to);
        start = match + from.size();
    }
    result.append(text.substr(start));
    return result;
}

namespace {

constexpr std::string_view kFullWidthSpace = "\u3000";

bool StartsWithBlank(std::string_view text) {
    return text.starts_with(' ') || text.starts_with(kFullWidthSpace);
}

bool EndsWithBlank(std::string_view text) {
    return text.ends_with(' ') || text.ends_with(kFullWidthSpace);
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
    while (StartsWithBlank(text)) text.remove_prefix(text.front() == ' ' ? 1 : kFullWidthSpace.size());
    while (EndsWithBlank(text)) text.remove_suffix(text.back() == ' ' ? 1 : kFullWidthSpace.size());
    return std::string(text);
}

bool IsOneCharacter(std::string_view text) {
    return !text.empty() && CharacterSize(static_cast<unsigned char>(text[0])) == text.size();
}

}  // namespace velorin::text
