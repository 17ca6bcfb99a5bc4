#pragma once
// The JSON objects that a --json command prints, one a line.
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

inline std::vector<nlohmann::json> JsonLines(const std::string& out) {
    std::vector<nlohmann::json> objects;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
    return objects;
}
