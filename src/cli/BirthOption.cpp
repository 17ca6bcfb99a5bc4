#include "cli/BirthOption.h"

#include <regex>
#include <string>

namespace velorin::cli {

std::optional<BirthOption> ParseBirthOption(std::string_view text) {
    static const std::regex kForm(R"((\d{1,4})-(\d{1,2})-(\d{1,2})(?:T(\d{1,2}))?)");
    std::match_results<std::string_view::const_iterator> parts;
    if (!std::regex_match(text.begin(), text.end(), parts, kForm)) return std::nullopt;
    BirthOption birth{std::stoi(parts[1].str()), std::stoi(parts[2].str()), std::stoi(parts[3].str()), {}};
    if (parts[4].matched) birth.hour = std::stoi(parts[4].str());
    return birth;
}

}  // namespace velorin::cli
