#pragma once
// The section that explains each grid of a name: a fixed introduction of the
// grid, then the 81-number entry of its number.
#include <array>
#include <vector>

#include "evaluation/ColouredLine.h"
#include "generation/NameScore.h"

namespace velorin {

enum class ExplainedGrid { Heaven, Person, Earth, Total, Outer };

// The grid's introduction in red, then in blue the title, grade and four texts
// of its number; a number outside 1..81 leaves every field empty.
std::array<ColouredLine, 2> GridExplanation(ExplainedGrid grid, int number);

// The explanations of the five grids in the order 天格 人格 地格 总格 外格.
std::vector<ColouredLine> GridExplanations(const FiveGrids& grids);

}  // namespace velorin
