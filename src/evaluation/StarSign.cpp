#include "evaluation/StarSign.h"

#include <array>

#include "text/IntegerText.h"

namespace velorin {

namespace {

// The texts are printed as they stand, blanks and all: the 白羊座 and 水瓶座
// texts keep the blank before their second break, 天蝎座 has none around its
// labels.
constexpr std::array<StarSignRow, 12> kStarSigns{{
    {3, 21, 4, 20, "白羊座",
     "勇敢\r\n\r\n3月21日～4月20日 主宰行星：火星 属性：火相星座 \r\n\r\n是一个：感情起伏较快的人"},
    {4, 21, 5, 21, "金牛座",
     "古典\r\n\r\n4月20日～5月20日 守护星：金星 属性：土相星座\r\n\r\n"
     "是一个：忠诚踏实能吃苦，就是有些憨憨的，喜欢稍平淡的生活。"},
    {5, 22, 6, 21, "双子座",
     "敏捷\r\n\r\n5月22日～6月21日 主宰行星：水星 属性：风相星座\r\n\r\n是一个：喜欢玩的人"},
    {6, 22, 7, 22, "巨蟹座",
     "家庭\r\n\r\n6月22日～7月22日 主宰行星：月亮 属性：水相星座\r\n\r\n是一个：注重感情的人。"},
    {7, 23, 8, 23, "狮子座",
     "阳光\r\n\r\n7月23日～8月23日 主宰星：太阳 属性：火相星座\r\n\r\n是一个：才华出众的人"},
    {8, 24, 9, 23, "处女座",
     "干净\r\n\r\n8月24日～9月23日 主宰行星：水星 属性：地相星座\r\n\r\n是一个：慎重而可靠的人"},
    {9, 24, 10, 23, "天平座",
     "公平\r\n\r\n9月24日～10月23日 主宰行星：金星 属性：风相星座\r\n\r\n是一个：一心想使人满意的人"},
    {10, 24, 11, 22, "天蝎座",
     "占有\r\n\r\n10月24日～11月22日主宰行星：火星和冥王星属性：水相星座\r\n\r\n是一个：有强烈欲望的人"},
    {11, 23, 12, 21, "射手座",
     "乐观\r\n\r\n11月23日～12月21日 主宰行星：木星 属性：火相星座\r\n\r\n是一个：热情洋溢的人"},
    {12, 22, 1, 20, "魔蝎座",
     "耐心\r\n\r\n12月22日～1月20日 主宰行星：土星 属性：地相星座\r\n\r\n是一个：喜欢从容不迫、深思熟虑的人"},
    {1, 21, 2, 19, "水瓶座",
     "多变\r\n\r\n1月21日～2月19日 主宰行星：天王星 属性：风相星座 \r\n\r\n是一个：反应多变的人"},
    {2, 20, 3, 20, "双鱼座",
     "善良\r\n\r\n2月20日～3月20日 主宰行星：海王星 属性：水相星座\r\n\r\n是一个：感情纯真的人"},
}};

bool Holds(const StarSignRow& row, int month, int day) {
    return (month == row.firstMonth && day >= row.firstDay) || (month == row.lastMonth && day <= row.lastDay);
}

}  // namespace

std::span<const StarSignRow> StarSignTable() { return kStarSigns; }

const StarSignRow* StarSignRowOf(int month, int day) {
    for (const StarSignRow& row : kStarSigns) {
        if (Holds(row, month, day)) return &row;
    }
    return nullptr;
}

std::string StarSignOf(int month, int day) {
    std::string text = text::IntegerText(month) + "月" + text::IntegerText(day) + "日\r\n";
    if (const StarSignRow* row = StarSignRowOf(month, day)) {
        text.append(row->sign).append("\r\n").append(row->description);
    } else {
        text += "\r\n";
    }
    return text;
}

}  // namespace velorin
