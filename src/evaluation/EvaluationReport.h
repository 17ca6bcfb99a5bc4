#pragma once
// The evaluation report of a name: a list of coloured lines, each a text and
// a colour as 0x00BBGGRR (0x0000FF red, 0xFF0000 blue, 0xFF00FF magenta).
#include <optional>
#include <string>
#include <vector>

#include "evaluation/ColouredLine.h"
#include "platform/DateTime.h"

namespace velorin {

struct EvaluationRequest {
    std::string surname;
    std::string givenName;
    DateTime birthMoment;                   // lunar date, pillars and elements of the report
    int scoreYear = 0, scoreMonth = 0, scoreDay = 0;  // the birth-date term of the score
    int starSignMonth = 0, starSignDay = 0;           // the star sign at the end of the report
    std::optional<std::string> passedScore;  // the score of a list row ("95分"), when one was double-clicked
    bool fixedCharacterUsed = false;         // a generation run has used the fixed character
};

struct EvaluationReport {
    std::string score;  // the text of the score line
    std::vector<ColouredLine> lines;
};

EvaluationReport BuildEvaluationReport(const EvaluationRequest& request);

}  // namespace velorin
