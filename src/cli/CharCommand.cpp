// velorin-cli char TEXT [--json]: the strokes, element, traditional form and
// reading of each character of a text.
#include <unicode/ustring.h>

#include <iostream>
#include <memory>
#include <string>

#include "cli/CommandRegistry.h"
#include "cli/JsonOutput.h"
#include "evaluation/NameSound.h"
#include "lookups/CharacterLookups.h"
#include "text/Utf8Text.h"

namespace velorin::cli {
namespace {

struct CharOptions {
    std::string text;
    bool json = false;
};

bool IsUtf8(const std::string& text) {
    UErrorCode error = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), &error);
    return error != U_INVALID_CHAR_FOUND && error != U_ILLEGAL_ARGUMENT_ERROR;
}

nlohmann::json DescribeCharacter(const std::string& character) {
    return {{"char", character},
            {"grid", GridStrokeCount(character)},
            {"kangxi", KangxiStrokeCount(character)},
            {"fallback", FallbackStrokeCount(character)},
            {"element", PronunciationElement(character)},
            {"traditional", ToTraditional(character)},
            {"pinyin", NameSoundText(character)}};
}

// "char=张 grid=11 kangxi=11 fallback=7 element=火 traditional=張 pinyin=zhāng"
std::string PlainLine(const nlohmann::json& description) {
    std::string line;
    for (const char* key : {"char", "grid", "kangxi", "fallback", "element", "traditional", "pinyin"}) {
        const nlohmann::json& value = description[key];
        line += (line.empty() ? "" : " ") + std::string(key) + "=" +
                (value.is_string() ? value.get<std::string>() : value.dump());
    }
    return line;
}

int DescribeCharacters(const CharOptions& options) {
    if (options.text.empty()) {
        std::cerr << "请输入要查询的汉字\n";
        return 1;
    }
    if (!IsUtf8(options.text)) {
        std::cerr << "输入的文字编码无效\n";
        return 1;
    }
    for (const std::string& character : text::Characters(options.text)) {
        nlohmann::json description = DescribeCharacter(character);
        if (options.json) {
            PrintJsonLine(description);
        } else {
            std::cout << PlainLine(description) << '\n';
        }
    }
    return 0;
}

const CommandRegistration kChar([](CLI::App& app, int& exitCode) {
    auto options = std::make_shared<CharOptions>();
    CLI::App* command = app.add_subcommand("char", "字: strokes, element, traditional form and pinyin of each character");
    command->add_option("TEXT", options->text, "one or more characters")->required();
    command->add_flag("--json", options->json, "print one JSON object per character");
    command->callback([options, &exitCode] { exitCode = DescribeCharacters(*options); });
});

}  // namespace
}  // namespace velorin::cli
