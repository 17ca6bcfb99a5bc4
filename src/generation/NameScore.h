#pragma once
// The arithmetic of a name's score: grids from stroke counts, points by the
// luck grade of each grid, the weighted base score and the birth-date term,
// then the two adjustments that only generated names get (the fixed-character
// bonus and the lacking-element rule). Scores are whole numbers here; the
// decimal text is made where a score is shown.
// The evaluation report shares GridPoints, BaseScore and BirthDateAdjustment.
#include <array>
#include <string>
#include <string_view>

namespace velorin {

enum class GridKind { Person, Earth, Outer, Total };

struct FiveGrids {
    int heaven = 0, person = 0, earth = 0, outer = 0, total = 0;
};

// The character lookups a score is built from. Scoring goes through these so
// that the same arithmetic can run over other implementations of the tables
// (the linear scans that the speed of the indexed lookups is measured against).
struct ScoreLookups {
    int (*gridStrokeCount)(std::string_view character);
    std::string (*pronunciationElement)(std::string_view character);
    const std::string& (*gradeOf)(int number);

    // The lookups over the tables the program carries.
    static const ScoreLookups& Carried();
};

// The grid strokes of every surname character added up, so that a
// two-character surname counts both instead of failing to look up as one key.
int SurnameGridStrokes(std::string_view surname, const ScoreLookups& lookups = ScoreLookups::Carried());

// Points of a grid by its luck grade: the cell of the grid-points table, 0 for
// a text that is none of "吉", "半吉", "凶".
int GridPoints(GridKind kind, std::string_view grade);

// Points a grid earns by the luck grade of its number; 0 for a number
// outside 1..81.
int GridPoints(GridKind kind, int gridNumber);

// trunc((3 person + 2 earth + 2 outer + 3 total) / 10).
int BaseScore(int personPoints, int earthPoints, int outerPoints, int totalPoints);

// The birth-date term of year, month, day. Years fall into decades counted
// from 1970 (every year up to 1980 counts from 1970, 1981-1990 from 1980, and
// so on without end). Absurd years saturate instead of overflowing.
int BirthDateAdjustment(int year, int month, int day);

// Everything a generated name's score depends on; nothing carries over from
// the name scored before.
struct NameScoreInputs {
    std::string_view surname;                 // trimmed; one or more characters
    int givenCount = 2;                       // 组合框_个数: 1, 2 or 3
    std::array<std::string_view, 3> picks{};  // the library entries drawn for this name
    std::string_view givenName;               // as composed, with the fixed character if used
    bool fixedCharacterTicked = false;        // 选择框1
    int fixedPosition = 1;                    // 组合框_第几个字
    int year = 0, month = 0, day = 0;         // the birth-date boxes
    std::string_view lackingElement;          // first element the birth chart lacks, "" when none
};

// Person, earth, outer and total of a generated name (heaven stays 0: the
// generator's score does not use it).
FiveGrids GenerationGrids(const NameScoreInputs& name, const ScoreLookups& lookups = ScoreLookups::Carried());

// Above 80 earns 5 more, capped at 100.
int FixedCharacterBonus(int score);

// Pulls a score to 100 when the given name supplies the first lacking element
// and caps it otherwise; see the cases in the implementation.
int LackingElementRule(int score, int givenCount, std::string_view givenName, std::string_view lackingElement,
                       const ScoreLookups& lookups = ScoreLookups::Carried());

struct NameScoreBreakdown {
    FiveGrids grids;
    std::array<int, 4> points{};  // indexed by GridKind
    int base = 0;
    int adjustment = 0;
    int score = 0;  // final, after the bonus and the lacking-element rule
};

// The score of a generated name, computed in the order grids, points, base,
// birth-date term, fixed-character bonus, lacking-element rule.
NameScoreBreakdown ScoreGeneratedName(const NameScoreInputs& name,
                                      const ScoreLookups& lookups = ScoreLookups::Carried());

}  // namespace velorin
