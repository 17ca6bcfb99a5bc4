#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "lookups/CharacterLookups.h"
#include "platform/System.h"
#include "text/GbkCodec.h"
#include "text/Utf8Text.h"

namespace {

class CharacterLibrary : public testing::TestWithParam<std::string> {
protected:
    // The entries as the program sees them: GBK decoded, one per "\r\n" line.
    std::vector<std::string> Entries() {
        std::string bytes;
        EXPECT_TRUE(velorin::ReadWholeFile(std::string(VELORIN_SOURCE_DIR) + "/data/" + GetParam(), bytes));
        EXPECT_TRUE(bytes.ends_with("\r\n"));
        const velorin::text::ConvertedText decoded = velorin::text::GbkToUtf8(bytes);
        EXPECT_TRUE(decoded.valid) << "not GBK";
        return velorin::text::Split(decoded.text, "\r\n");
    }
};

}  // namespace

TEST_P(CharacterLibrary, HoldsOnlyDistinctSingleCharacters) {
    const std::vector<std::string> entries = Entries();
    EXPECT_GE(entries.size(), 400u);
    std::set<std::string> seen;
    for (const std::string& entry : entries) {
        EXPECT_TRUE(velorin::text::IsOneCharacter(entry)) << "entry \"" << entry << "\"";
        EXPECT_TRUE(seen.insert(entry).second) << entry << " is listed twice";
    }
}

TEST_P(CharacterLibrary, EveryCharacterCanBeScored) {
    for (const std::string& entry : Entries()) {
        EXPECT_GT(velorin::GridStrokeCount(entry), 0) << entry;
        EXPECT_NE(velorin::PronunciationElement(entry), "") << entry;
    }
}

INSTANTIATE_TEST_SUITE_P(BoysAndGirls, CharacterLibrary, testing::Values("zm.fne", "zw.fne"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param == "zm.fne" ? "Boys" : "Girls";
                         });
