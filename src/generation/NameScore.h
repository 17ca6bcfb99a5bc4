#pragma once
// The arithmetic of a name's score: grids from stroke counts, points by the
// luck grade of each grid, the weighted base score and the birth-date term.
// The evaluation report shares GridPoints, BaseScore and BirthDateAdjustment.
#include <string>
#include <string_view>

namespace velorin {

enum class GridKind { Person, Earth, Outer, Total };

struct FiveGrids {
    int heaven = 0, person = 0, earth = 0, outer = 0, total = 0;
};

// Points a grid earns by the luck grade of its number; 0 for a number
// outside 1..81.
int GridPoints(GridKind kind, int gridNumber);

// trunc((3 person + 2 earth + 2 outer + 3 total) / 10).
int BaseScore(int personPoints, int earthPoints, int outerPoints, int totalPoints);

// The birth-date term of year, month, day.
int BirthDateAdjustment(int year, int month, int day);

}  // namespace velorin
