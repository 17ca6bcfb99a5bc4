#pragma once
// A line of a coloured report: a text and the colour it is written in, as
// 0x00BBGGRR the way the rich edit box takes it.
#include <cstdint>
#include <string>

namespace velorin {

inline constexpr std::uint32_t kRed = 0x0000FF;
inline constexpr std::uint32_t kBlue = 0xFF0000;
inline constexpr std::uint32_t kMagenta = 0xFF00FF;

struct ColouredLine {
    std::string text;  // with its own "\r\n" line breaks
    std::uint32_t colour = 0;
    friend bool operator==(const ColouredLine&, const ColouredLine&) = default;
};

}  // namespace velorin
