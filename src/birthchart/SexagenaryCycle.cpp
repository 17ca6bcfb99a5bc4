#include "birthchart/SexagenaryCycle.h"

#include <algorithm>
#include <array>

#include "birthchart/Calendar.h"
#include "text/Utf8Text.h"

namespace velorin {

namespace {

constexpr std::string_view kStems = "甲乙丙丁戊己庚辛壬癸";
constexpr std::string_view kBranches = "子丑寅卯辰巳午未申酉戌亥";

}  // namespace

int CycleNumberAfter(long long steps) {
    const long long step = steps % kCycleLength;
    return static_cast<int>(step < 0 ? step + kCycleLength : step) + 1;
}

int CycleNumberOf(int stem, int branch) {
    // The steps from 甲子 are stem (mod 10) and branch (mod 12); the one such
    // number below 60 is 6·stem − 5·branch (mod 60).
    return CycleNumberAfter(6LL * stem - 5LL * branch);
}

int StemOf(int cycleNumber) { return (cycleNumber - 1) % kStemCount; }
int BranchOf(int cycleNumber) { return (cycleNumber - 1) % kBranchCount; }

namespace {

// Index 0 is the empty text, so that any j outside 1..60 can map to it.
const std::array<std::string, kCycleLength + 1>& CycleNames() {
    static const auto names = [] {
        std::array<std::string, kCycleLength + 1> built;
        for (int j = 1; j <= kCycleLength; ++j) {
            built[static_cast<std::size_t>(j)] = text::Middle(kStems, static_cast<std::size_t>(StemOf(j)) + 1, 1) +
                                                 text::Middle(kBranches, static_cast<std::size_t>(BranchOf(j)) + 1, 1);
        }
        return built;
    }();
    return names;
}

}  // namespace

std::string CycleName(int j) { return CycleNames()[j >= 1 && j <= kCycleLength ? static_cast<std::size_t>(j) : 0]; }

int CycleNumberOfName(std::string_view name) {
    if (name.empty()) return 0;
    const auto& names = CycleNames();
    const auto found = std::find(names.begin() + 1, names.end(), name);
    return found == names.end() ? 0 : static_cast<int>(found - names.begin());
}

}  // namespace velorin
