#include "generation/CharacterLibrary.h"

#include <unicode/utf8.h>

#include "text/GbkCodec.h"
#include "text/Utf8Text.h"

namespace velorin {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacementCharacter = "\uFFFD";

// The bytes as UTF-8, each ill-formed sequence replaced by U+FFFD (so that
// the line holding it is skipped); `repairs` counts the replacements.
std::string RepairedUtf8(std::string_view bytes, int& repairs) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const auto length = static_cast<int32_t>(bytes.size());
    std::string text;
    text.reserve(bytes.size());
    for (int32_t i = 0; i < length;) {
        const int32_t start = i;
        UChar32 c;
        U8_NEXT(data, i, length, c);
        if (c < 0) {
            text += kReplacementCharacter;
            ++repairs;
        } else {
            text.append(bytes.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start)));
        }
    }
    return text;
}

// The content as UTF-8. A file with a byte-order mark, or one that reads as
// UTF-8 throughout, is taken as UTF-8: GBK text of Chinese characters
// practically never forms valid UTF-8, while a library saved by a UTF-8
// editor would otherwise turn into garbage.
std::string DecodedContent(std::string_view content) {
    const bool marked = content.starts_with(kByteOrderMark);
    int repairs = 0;
    std::string utf8 = RepairedUtf8(marked ? content.substr(kByteOrderMark.size()) : content, repairs);
    return marked || repairs == 0 ? utf8 : text::GbkToUtf8(content).text;
}

}  // namespace

std::string LibraryFileName(std::string_view sex) { return sex == "男" ? "zm.fne" : "zw.fne"; }

std::vector<std::string> LibraryEntries(std::string_view fileContent) {
    const std::string lines = text::ReplaceAll(text::ReplaceAll(DecodedContent(fileContent), "\r\n", "\n"), "\r", "\n");
    std::vector<std::string> entries;
    for (const std::string& line : text::Split(lines, "\n")) {
        std::string entry = text::TrimBlanks(line);
        if (entry.empty() || entry.find(kReplacementCharacter) != std::string::npos) continue;
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace velorin
