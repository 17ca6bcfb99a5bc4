#include "text/IntegerText.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "text/Utf8Text.h"

namespace velorin::text {

namespace {

// The ASCII character a character stands for: full-width forms U+FF01..U+FF5E
// map to '!'..'~' and the full-width space to ' '; 0 for anything else non-ASCII.
char AsciiForm(std::string_view character) {
    if (character.size() == 1) return character[0];
    if (character == "\u3000") return ' ';
    if (character.size() == 3) {
        auto byte = [&](int i) { return static_cast<unsigned char>(character[i]); };
        unsigned codePoint = ((byte(0) & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
        if (codePoint >= 0xFF01 && codePoint <= 0xFF5E) return static_cast<char>(codePoint - 0xFF01 + '!');
    }
    return 0;
}

}  // namespace

int TextToInteger(std::string_view text) {
    std::vector<std::string> characters = Characters(text);
    std::size_t i = 0;
    while (i < characters.size() && (AsciiForm(characters[i]) == ' ' || AsciiForm(characters[i]) == '\t')) ++i;
    bool negative = false;
    if (i < characters.size() && (AsciiForm(characters[i]) == '+' || AsciiForm(characters[i]) == '-')) {
        negative = AsciiForm(characters[i]) == '-';
        ++i;
    }
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < characters.size(); ++i) {
        char c = AsciiForm(characters[i]);
        if (c < '0' || c > '9') break;
        magnitude = std::min(limit, magnitude * 10 + (c - '0'));
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::string IntegerText(long long value) { return std::to_string(value); }

}  // namespace velorin::text
