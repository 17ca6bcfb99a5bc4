#include "evaluation/NameSound.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velorin {
namespace {

struct SoundCase {
    const char* text;
    const char* sound;
};

void PrintTo(const SoundCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class NameSoundOfCarriedCharacters : public ::testing::TestWithParam<SoundCase> {};

TEST_P(NameSoundOfCarriedCharacters, TakesTheFirstReadingWithItsTone) {
    EXPECT_EQ(NameSoundText(GetParam().text), GetParam().sound);
}

INSTANTIATE_TEST_SUITE_P(Table, NameSoundOfCarriedCharacters,
                         ::testing::Values(SoundCase{"張", "zhāng"}, SoundCase{"张", "zhāng"},
                                           SoundCase{"曾", "céng"}, SoundCase{"單", "dān"},
                                           SoundCase{"子", "zǐ"}, SoundCase{"宇", "yǔ"},
                                           SoundCase{"", ""}, SoundCase{"宇子", "yǔzǐ"},
                                           // Read by characters: an ASCII letter is no half of 張.
                                           SoundCase{"A張", "zhāng"}));

// Records every character handed to it and reads each as "?".
struct RecordingSource {
    std::vector<std::string>* asked;
    std::string operator()(std::string_view character) const {
        asked->emplace_back(character);
        return "?";
    }
};

TEST(NameSoundText, AsksTheFallbackOnlyForCharactersTheTableLacks) {
    std::vector<std::string> asked;
    EXPECT_EQ(NameSoundText("张宇", RecordingSource{&asked}), "zhāngyǔ");
    EXPECT_TRUE(asked.empty());

    // U+20000 lies outside the characters the table covers.
    EXPECT_EQ(NameSoundText("张\U00020000", RecordingSource{&asked}), "zhāng?");
    EXPECT_EQ(asked, std::vector<std::string>{"\U00020000"});
}

TEST(NameSoundText, ACharacterNoSourceCanReadAddsNothing) {
    auto nothing = [](std::string_view) { return std::string(); };
    EXPECT_EQ(NameSoundText("宇\U00020000子", nothing), "yǔzǐ");
}

TEST(PlatformPinyin, GivesTheFirstSyllableWithoutTonesOnlyForChineseCharacters) {
    EXPECT_EQ(PlatformPinyin("张"), "zhang");
    EXPECT_EQ(PlatformPinyin("中"), "zhong");
    EXPECT_EQ(PlatformPinyin("A"), "");
    EXPECT_EQ(PlatformPinyin("，"), "");
    EXPECT_EQ(PlatformPinyin(""), "");
    EXPECT_EQ(PlatformPinyin("张宇"), "");
}

}  // namespace
}  // namespace velorin
