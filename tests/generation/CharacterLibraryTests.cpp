#include "generation/CharacterLibrary.h"

#include <gtest/gtest.h>

#include "text/GbkCodec.h"

using namespace velorin;
using Entries = std::vector<std::string>;

namespace {

std::string Gbk(std::string_view utf8) { return text::Utf8ToGbk(utf8).text; }

}  // namespace

TEST(CharacterLibrary, ReadsEveryWayALibraryIsSaved) {
    struct Case {
        const char* what;
        std::string content;
        Entries entries;
    } cases[] = {
        {"GBK, CRLF", Gbk("浩\r\n然\r\n德\r\n"), {"浩", "然", "德"}},
        {"GBK, no final break", Gbk("浩\r\n然"), {"浩", "然"}},
        {"GBK, LF", Gbk("浩\n然\n"), {"浩", "然"}},
        {"GBK, CR", Gbk("浩\r然"), {"浩", "然"}},
        {"UTF-8", "浩\r\n然\r\n", {"浩", "然"}},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF浩\n然\n", {"浩", "然"}},
        {"blank lines and blanks around entries", Gbk("\r\n\r\n 浩 \r\n\r\n\r\n\u3000然\u3000\r\n  \r\n"), {"浩", "然"}},
        {"an entry of two characters stays whole", Gbk("浩然\r\n德\r\n"), {"浩然", "德"}},
        {"a line that is not text is skipped", Gbk("浩\r\n") + "\x81\x20\r\n" + Gbk("然\r\n"), {"浩", "然"}},
        {"a UTF-8 line that is not text is skipped", "\xEF\xBB\xBF浩\n\xFF\xFE\n然\n", {"浩", "然"}},
        {"empty", "", {}},
        {"only blanks", Gbk(" \r\n\u3000\r\n"), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LibraryEntries(c.content), c.entries) << c.what;
    }
}

TEST(CharacterLibrary, SexChoosesTheFile) {
    EXPECT_EQ(LibraryFileName("男"), "zm.fne");
    EXPECT_EQ(LibraryFileName("女"), "zw.fne");
    EXPECT_EQ(LibraryFileName(""), "zw.fne");
    EXPECT_EQ(LibraryFileName("男 "), "zw.fne");
}
