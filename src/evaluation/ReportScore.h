#pragma once
// The score the evaluation report computes for a name.
#include <string_view>

#include "generation/NameScore.h"

namespace velorin {

// The report's own pull towards the first lacking element F, by the length
// of the given name (1 to 3 characters; other lengths leave the score alone).
// With nothing lacking a score above 100 becomes 100. Otherwise a given name
// whose last character has the element F scores 100; one whose last character
// lacks it scores at most 99, and exactly 99 when a longer name's first
// character has F.
int LackingElementAdjustment(int score, std::string_view givenName, std::string_view lackingText);

// The points of person, earth, outer and total, the birth-date term of
// year, month and day, the lacking-element adjustment and a cap at 100.
int ReportScore(const FiveGrids& grids, std::string_view givenName, std::string_view lackingText, int year,
                int month, int day);

}  // namespace velorin
