#pragma once
// What the three ways into the evaluation report hand to it: the button
// "开始分析" for a name typed on the evaluation page, and a double-click on a
// row of the result or candidate list for a generated name.
#include <optional>
#include <string>
#include <string_view>

#include "evaluation/EvaluationReport.h"

namespace velorin::ui {

// The texts of a page's birth-date boxes, as typed.
struct BirthDateTexts {
    std::string year, month, day, hour, minute;
    friend bool operator==(const BirthDateTexts&, const BirthDateTexts&) = default;
};

// The report of a typed name: its lunar date, chart and star sign from the
// evaluation page's date, the date term of its score from the naming page's.
// It never carries a score of its own; the report's score stands.
EvaluationRequest TypedNameRequest(const std::string& surname, const std::string& givenName,
                                   const BirthDateTexts& evaluationDate, const BirthDateTexts& namingDate,
                                   bool fixedCharacterUsed);

// The score part of a list row, "95分" of "张浩然[95分]"; nothing when the
// row does not split in two at "[".
std::optional<std::string> RowScore(std::string_view caption);

// The report of a generated name, made from the surname and given name its
// row remembers: the birth moment and the date term of the score from the
// naming page's date, the star sign from the evaluation page's, the row's
// score handed in.
EvaluationRequest RowRequest(const std::string& surname, const std::string& givenName, const std::string& rowScore,
                             const BirthDateTexts& namingDate, const BirthDateTexts& evaluationDate,
                             bool fixedCharacterUsed);

}  // namespace velorin::ui
