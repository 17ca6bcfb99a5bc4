#include "generation/NameScore.h"

#include <algorithm>
#include <climits>

#include "lookups/CharacterLookups.h"
#include "lookups/Number81Table.h"
#include "text/Utf8Text.h"

namespace velorin {

namespace {

int Saturated(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

const std::string& CarriedGrade(int number) { return Number81Table::Carried().GradeOf(number); }

}  // namespace

const ScoreLookups& ScoreLookups::Carried() {
    static const ScoreLookups lookups{GridStrokeCount, PronunciationElement, CarriedGrade};
    return lookups;
}

int SurnameGridStrokes(std::string_view surname, const ScoreLookups& lookups) {
    // Walks the bytes rather than splitting into strings: scoring allocates nothing.
    int sum = 0;
    for (std::size_t offset = 0; offset < surname.size();) {
        std::size_t size = std::min(text::CharacterSize(static_cast<unsigned char>(surname[offset])),
                                    surname.size() - offset);
        sum += lookups.gridStrokeCount(surname.substr(offset, size));
        offset += size;
    }
    return sum;
}

int GridPoints(GridKind kind, std::string_view grade) {
    // Columns 吉, 半吉, 凶; rows in GridKind order.
    static constexpr int GridPointsTable[4][3] = {
        {100, 80, 60},  // 人格 person
        {100, 85, 60},  // 地格 earth
        {100, 70, 50},  // 外格 outer
        {100, 87, 65},  // 总格 total
    };
    const auto& row = GridPointsTable[static_cast<int>(kind)];
    if (grade == "吉") return row[0];
    if (grade == "半吉") return row[1];
    if (grade == "凶") return row[2];
    return 0;
}

int GridPoints(GridKind kind, int gridNumber) { return GridPoints(kind, CarriedGrade(gridNumber)); }

int BaseScore(int personPoints, int earthPoints, int outerPoints, int totalPoints) {
    const long long weighted = 3LL * personPoints + 2LL * earthPoints + 2LL * outerPoints + 3LL * totalPoints;
    return Saturated(weighted / 10);
}

int BirthDateAdjustment(int year, int month, int day) {
    const long long y = year, m = month, d = day;
    const long long bracketStart = y <= 1980 ? 1970 : 10 * ((y - 1) / 10);
    // Distance from midsummer: months from June and thirds of days from the
    // 15th, counted forward only when both lie in the second half.
    const long long seasonTerm = (m > 6 && d > 15) ? (m - 6) + (d - 15) / 3 : (6 - m) + (15 - d) / 3;
    return Saturated((y - bracketStart) + seasonTerm + 3);
}

FiveGrids GenerationGrids(const NameScoreInputs& name, const ScoreLookups& lookups) {
    auto st = [&](std::string_view character) { return lookups.gridStrokeCount(character); };
    const std::string_view given = name.givenName;
    const int surnameLast = st(text::Last(name.surname));
    const int surnameAll = SurnameGridStrokes(name.surname, lookups);
    FiveGrids grids;

    // One given character: the fixed character is never placed, ticked or not.
    if (name.givenCount == 1) {
        const int g = st(given);
        grids.person = surnameLast + g;
        grids.earth = g + 1;
        grids.outer = 2;
        grids.total = surnameAll + g;
        return grids;
    }

    // Two drawn entries without a fixed character are counted entry by entry,
    // so an entry that is not exactly one character counts as not found.
    if (name.givenCount == 2 && !name.fixedCharacterTicked) {
        const std::string_view p1 = name.picks[0], p2 = name.picks[1];
        grids.person = surnameLast + st(text::First(given));
        grids.earth = st(p1) + st(p2) + (text::IsOneCharacter(given) ? 1 : 0);
        grids.outer = st(text::Last(given.empty() ? name.surname : given)) + 1;
        grids.total = surnameAll + st(p1) + st(p2);
        return grids;
    }

    // The composed given name with a fixed character, and three-character
    // names either way: the first and last characters carry the person, earth
    // and total grids, the second the outer grid. Only a fixed character in
    // the second place moves the person grid to the last character.
    const int first = st(text::First(given));
    const int last = st(text::Last(given));
    const bool personFromLast = name.fixedCharacterTicked && name.fixedPosition == 2;
    grids.person = surnameLast + (personFromLast ? last : first);
    grids.earth = first + last;
    grids.outer = st(text::Middle(given, 2, 1)) + 1;
    grids.total = surnameAll + first + last;
    return grids;
}

int FixedCharacterBonus(int score) { return score > 80 ? std::min(score, 95) + 5 : score; }

int LackingElementRule(int score, int givenCount, std::string_view givenName, std::string_view lackingElement,
                       const ScoreLookups& lookups) {
    auto supplies = [&](std::string_view character) {
        return lookups.pronunciationElement(character) == lackingElement;
    };
    if (givenCount == 1) {
        if (lackingElement.empty()) return std::min(score, 100);
        return supplies(givenName) ? 100 : score;
    }
    if (givenCount != 2 && givenCount != 3) return score;
    if (lackingElement.empty()) {
        if (score > 100) return 100;
        // A two-character name scoring exactly 100 is held just below the top.
        return givenCount == 2 && score == 100 ? 99 : score;
    }
    // Only the last character earns the full 100; the first alone is raised
    // to 100 and then capped like any other name, so it ends at 99. The
    // middle character of three is not examined.
    if (supplies(text::Last(givenName))) return 100;
    if (supplies(text::First(givenName))) return 99;
    return std::min(score, 99);
}

NameScoreBreakdown ScoreGeneratedName(const NameScoreInputs& name, const ScoreLookups& lookups) {
    NameScoreBreakdown result;
    result.grids = GenerationGrids(name, lookups);
    const FiveGrids& g = result.grids;
    auto points = [&](GridKind kind, int number) {
        result.points[static_cast<std::size_t>(kind)] = GridPoints(kind, lookups.gradeOf(number));
    };
    points(GridKind::Person, g.person);
    points(GridKind::Earth, g.earth);
    points(GridKind::Outer, g.outer);
    points(GridKind::Total, g.total);
    const auto& p = result.points;
    result.base = BaseScore(p[0], p[1], p[2], p[3]);
    result.adjustment = BirthDateAdjustment(name.year, name.month, name.day);
    int score = Saturated(static_cast<long long>(result.base) + result.adjustment);
    if (name.fixedCharacterTicked) score = FixedCharacterBonus(score);
    result.score = LackingElementRule(score, name.givenCount, name.givenName, name.lackingElement, lookups);
    return result;
}

}  // namespace velorin
