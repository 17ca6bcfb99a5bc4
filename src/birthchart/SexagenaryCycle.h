#pragma once
// The sexagenary cycle of stems and branches that numbers years, months, days
// and hours. Cycle numbers run 1 (甲子) … 60 (癸亥); stems and branches are
// counted from 0 (甲, 子).
#include <string>
#include <string_view>

namespace velorin {

inline constexpr int kStemCount = 10;
inline constexpr int kBranchCount = 12;
inline constexpr int kCycleLength = 60;

// Cycle number 1..60 of any whole count of steps from 甲子 (0 → 1, 60 → 1, -1 → 60).
int CycleNumberAfter(long long steps);

// Cycle number of the pair with this stem and branch; both must be of equal parity.
int CycleNumberOf(int stem, int branch);

// Cycle number of a two-character cycle name, 0 for any other text.
int CycleNumberOfName(std::string_view name);

int StemOf(int cycleNumber);
int BranchOf(int cycleNumber);

}  // namespace velorin
