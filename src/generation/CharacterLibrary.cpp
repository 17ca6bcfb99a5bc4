#include "generation/CharacterLibrary.h"

#include <unicode/utf8.h>

#include "text/GbkCodec.h"
#include "text/Utf8Text.h"

namespace velorin {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacementCharacter = "\uFFFD";

bool IsValidUtf8(std::string_view bytes) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const auto length = static_cast<int32_t>(bytes.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(data, i, length, c);
        if (c < 0) return false;
    }
    return true;
}

// The content as UTF-8. A file that reads as UTF-8 is taken as such: GBK
// text of Chinese characters practically never forms valid UTF-8, while a
// library saved by a UTF-8 editor would otherwise turn into garbage.
std::string DecodedContent(std::string_view content) {
    if (content.starts_with(kByteOrderMark)) return std::string(content.substr(kByteOrderMark.size()));
    if (IsValidUtf8(content)) return std::string(content);
    return text::GbkToUtf8(content).text;
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
