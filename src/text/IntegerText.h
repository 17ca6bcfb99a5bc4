#pragma once
#include <string>
#include <string_view>

namespace velorin::text {

// Reads a number the way the platform reads a number typed into a box:
// full-width forms of ASCII characters count as ASCII, leading blanks are
// skipped, then an optional sign and the digits up to the first other
// character. A text without digits reads 0; values beyond int saturate.
int TextToInteger(std::string_view text);

// Whole-number text of a value, the form numbers take between boxes.
std::string IntegerText(long long value);

}  // namespace velorin::text
