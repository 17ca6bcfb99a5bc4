#pragma once
// The files the program reads (the character libraries) are GBK; inside the
// program text is UTF-8. Conversion happens at that edge only.
#include <string>
#include <string_view>

namespace velorin::text {

struct ConvertedText {
    std::string text;
    bool valid = true;  // false when some bytes could not be converted (they became U+FFFD / '?')
};

ConvertedText GbkToUtf8(std::string_view gbk);
ConvertedText Utf8ToGbk(std::string_view utf8);

}  // namespace velorin::text
