#pragma once
#include <nlohmann/json.hpp>

#include <iostream>

namespace velorin::cli {

// One JSON object per result, on its own line. Text typed in another
// encoding is echoed with replacement marks rather than aborting the dump.
inline void PrintJsonLine(const nlohmann::json& object) {
    std::cout << object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

}  // namespace velorin::cli
