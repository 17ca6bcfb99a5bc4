// Placeholder until the carried tables land.
#include "lookups/CharacterLookups.h"

namespace velorin {

int GridStrokeCount(std::string_view) { return -1; }
int KangxiStrokeCount(std::string_view) { return 0; }
int FallbackStrokeCount(std::string_view) { return 0; }
std::string PronunciationElement(std::string_view) { return {}; }
std::string ToTraditional(std::string_view text) { return std::string(text); }

}  // namespace velorin
