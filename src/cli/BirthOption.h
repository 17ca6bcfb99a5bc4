#pragma once
// The birth date (and hour) given on the command line as YYYY-MM-DD or
// YYYY-MM-DDTHH, read as the birth-date boxes would hold it.
#include <optional>
#include <string_view>

namespace velorin::cli {

struct BirthOption {
    int year = 0, month = 0, day = 0;
    std::optional<int> hour;
};

// Empty when the text has neither form.
std::optional<BirthOption> ParseBirthOption(std::string_view text);

// The message for a text that has neither form.
inline constexpr std::string_view kBirthOptionMessage = "出生日期应写作 YYYY-MM-DD 或 YYYY-MM-DDTHH";

}  // namespace velorin::cli
