#pragma once
#include <nlohmann/json.hpp>

#include <iostream>

namespace velorin::cli {

// One JSON object per result, on its own line.
inline void PrintJsonLine(const nlohmann::json& object) { std::cout << object.dump() << '\n'; }

}  // namespace velorin::cli
