#include "evaluation/GridExplanation.h"

#include <string_view>

#include "lookups/Number81Table.h"

namespace velorin {

namespace {

struct GridIntroduction {
    ExplainedGrid grid;
    int FiveGrids::*number;
    std::string_view text;
};

// In the order the section explains them: 总格 comes before 外格.
constexpr std::array<GridIntroduction, 5> kIntroductions{{
    {ExplainedGrid::Heaven, &FiveGrids::heaven, "天格：乃祖先留下来的，其数理对人影响不大。\r\n\r\n"},
    {ExplainedGrid::Person, &FiveGrids::person,
     "人格：又称主运，是整个姓名的中心点，人一生的命运，均由此人格推断。\r\n\r\n"},
    {ExplainedGrid::Earth, &FiveGrids::earth, "地格：由名字全部笔画数构成，称为前运，主管人中年以前的活动力。\r\n\r\n"},
    {ExplainedGrid::Total, &FiveGrids::total, "总格：主中年至晚年的命运，又称后运。\r\n\r\n"},
    {ExplainedGrid::Outer, &FiveGrids::outer, "外格：主管命运之灵力。\r\n\r\n"},
}};

// The meaning text follows "含义" without a colon, and the texts are copied
// as stored (number 1's health text brings its own "：").
std::string Paragraph(int number) {
    const Number81Table::Row& cells = Number81Table::Carried().Cells(number);
    return cells[Number81Table::Title] + "(" + cells[Number81Table::Grade] + ")\r\n基业：" +
           cells[Number81Table::Career] + "\r\n家庭：" + cells[Number81Table::Family] + "\r\n健康：" +
           cells[Number81Table::Health] + "\r\n含义" + cells[Number81Table::Meaning] + "\r\n\r\n";
}

}  // namespace

std::array<ColouredLine, 2> GridExplanation(ExplainedGrid grid, int number) {
    return {ColouredLine{std::string(kIntroductions[static_cast<std::size_t>(grid)].text), kRed},
            ColouredLine{Paragraph(number), kBlue}};
}

std::vector<ColouredLine> GridExplanations(const FiveGrids& grids) {
    std::vector<ColouredLine> lines;
    for (const GridIntroduction& introduction : kIntroductions) {
        for (ColouredLine& line : GridExplanation(introduction.grid, grids.*introduction.number)) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

}  // namespace velorin
