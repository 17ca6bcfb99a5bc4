#include "evaluation/ReportGrids.h"

#include "lookups/CharacterLookups.h"
#include "text/Utf8Text.h"

namespace velorin {

namespace {

// A middle character is not counted.
int FirstPlusLast(std::string_view text) {
    return GridStrokeCount(text::First(text)) + GridStrokeCount(text::Last(text));
}

}  // namespace

FiveGrids ReportGrids(std::string_view surname, std::string_view givenName) {
    FiveGrids grids;
    grids.heaven = text::IsOneCharacter(surname) ? GridStrokeCount(surname) + 1 : FirstPlusLast(surname);
    grids.person = GridStrokeCount(text::Last(surname)) + GridStrokeCount(text::First(givenName));
    grids.earth = text::IsOneCharacter(givenName) ? GridStrokeCount(givenName) + 1 : FirstPlusLast(givenName);
    bool twoCharacterName = text::Length(surname) + text::Length(givenName) == 2;
    grids.outer = twoCharacterName ? 2 : GridStrokeCount(text::Last(givenName)) + 1;
    grids.total = SurnameGridStrokes(surname) + grids.earth;
    return grids;
}

}  // namespace velorin
