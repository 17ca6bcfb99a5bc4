#include <array>
#include <string_view>

#include "birthchart/Calendar.h"
#include "birthchart/SexagenaryCycle.h"

namespace velorin {

std::string NayinOf(std::string_view pair) {
    // One name for each two consecutive cycle pairs: 甲子 乙丑, 丙寅 丁卯, …
    static constexpr std::array<std::string_view, kCycleLength / 2> kNayin = {
        "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
        "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
        "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水",
    };
    const int j = CycleNumberOfName(pair);
    return j == 0 ? std::string() : std::string(kNayin[static_cast<std::size_t>((j - 1) / 2)]);
}

}  // namespace velorin
