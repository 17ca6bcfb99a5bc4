#pragma once
// The five grids of a name as the evaluation report computes them. They
// differ from a generated name's grids: the report has a heaven grid, and a
// one-character given name counts its earth grid's + 1 into the total.
#include <string_view>

#include "generation/NameScore.h"

namespace velorin {

// 天格: surname + 1, or for a longer surname its first + last character.
// 人格: the surname's last character + the given name's first.
// 地格: a one-character given name + 1, else its first + last character.
// 外格: 2 for a two-character name, else the given name's last character + 1.
// 总格: the strokes of every surname character + 地格.
// A character missing from the stroke table counts -1.
FiveGrids ReportGrids(std::string_view surname, std::string_view givenName);

}  // namespace velorin
