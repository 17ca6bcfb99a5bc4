#include "evaluation/ReportScore.h"

#include <algorithm>
#include <string>

#include "birthchart/ElementBalance.h"
#include "lookups/CharacterLookups.h"
#include "text/Utf8Text.h"

namespace velorin {

namespace {

bool Supplies(std::string_view character, std::string_view element) {
    return text::TrimBlanks(PronunciationElement(character)) == element;
}

}  // namespace

int LackingElementAdjustment(int score, std::string_view givenName, std::string_view lackingText) {
    std::size_t length = text::Length(givenName);
    if (length < 1 || length > 3) return score;
    if (lackingText.empty()) return std::min(score, 100);
    std::string lacking = FirstLackingElement(lackingText);
    if (Supplies(text::Last(givenName), lacking)) return 100;
    // For two or three characters a first character with the element lifts
    // the score to 100, which a last character without it brings to 99.
    if (length > 1 && Supplies(text::First(givenName), lacking)) score = 100;
    return std::min(score, 99);
}

int ReportScore(const FiveGrids& grids, std::string_view givenName, std::string_view lackingText, int year,
                int month, int day) {
    int base = BaseScore(GridPoints(GridKind::Person, grids.person), GridPoints(GridKind::Earth, grids.earth),
                         GridPoints(GridKind::Outer, grids.outer), GridPoints(GridKind::Total, grids.total));
    int score = LackingElementAdjustment(base + BirthDateAdjustment(year, month, day), givenName, lackingText);
    return std::min(score, 100);
}

}  // namespace velorin
