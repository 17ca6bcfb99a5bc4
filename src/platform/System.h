#pragma once
#include <cstdint>
#include <string>

namespace velorin {

// Milliseconds since the system started.
std::uint64_t UptimeMilliseconds();

// The program's own directory, without a trailing separator.
std::string RunDirectory();

bool FileExists(const std::string& path);

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& content);

}  // namespace velorin
