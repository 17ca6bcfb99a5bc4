#pragma once
// Inputs for the name benchmarks: characters of the first level of GB2312
// (the 3,755 common characters, the ones a library draws from) and surnames
// of one and two characters.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "text/GbkCodec.h"

namespace velorin {

// Every `step`-th common character.
inline std::vector<std::string> CommonCharacters(int step) {
    std::vector<std::string> characters;
    for (int code = 0; code < 3755; code += step) {
        const char bytes[] = {static_cast<char>(0xB0 + code / 94), static_cast<char>(0xA1 + code % 94)};
        characters.push_back(text::GbkToUtf8(std::string_view(bytes, 2)).text);
    }
    return characters;
}

inline constexpr std::array<std::string_view, 10> kSurnames = {"张", "王", "李", "赵", "刘",
                                                              "陈", "杨", "黄", "欧阳", "司马"};

}  // namespace velorin
