#pragma once
// The five birth-date boxes of a page, year, month, day, hour and minute,
// each followed by its unit label "年" "月" "日" "时" "分".
#include <array>

#include "ui/EvaluationEntries.h"

class QHBoxLayout;
class QLineEdit;

namespace velorin::ui {

struct DateBoxNames {
    const char* box;
    const char* unitLabel;
};

class DateBoxes {
public:
    // Adds the boxes and their labels to the row, in the order of `names`
    // (year, month, day, hour, minute), holding `start`.
    DateBoxes(QHBoxLayout& row, const std::array<DateBoxNames, 5>& names, const BirthDateTexts& start);

    BirthDateTexts Texts() const;
    void SetTexts(const BirthDateTexts& date);

private:
    std::array<QLineEdit*, 5> boxes_;
};

}  // namespace velorin::ui
