#pragma once
// The two report lines that show a name's five grids and its three talents.
#include "evaluation/ColouredLine.h"
#include "generation/NameScore.h"

namespace velorin {

// "五格：天格(12) 人格(18) 地格(7) 外格(1) 总格(17)\r\n", in blue.
ColouredLine GridLine(const FiveGrids& grids);

// The number shown for 人才: a person grid written with exactly two
// characters (10..99, and -1..-9) loses 10; any other is shown as it is.
int PersonTalent(int personGrid);

// "三才：天才(12)→人才(8)→地才(7)\r\n\r\n\r\n", in blue.
ColouredLine TalentLine(const FiveGrids& grids);

}  // namespace velorin
