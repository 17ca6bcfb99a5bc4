#include "ui/DateBoxes.h"

#include <QHBoxLayout>
#include <QLineEdit>

#include "ui/FormControls.h"

namespace velorin::ui {

namespace {

constexpr const char* kUnits[] = {"年", "月", "日", "时", "分"};

// The year takes four digits, the others two.
constexpr int kWidthInCharacters[] = {2, 1, 1, 1, 1};

std::array<std::string, 5> Parts(const BirthDateTexts& date) {
    return {date.year, date.month, date.day, date.hour, date.minute};
}

}  // namespace

DateBoxes::DateBoxes(QHBoxLayout& row, const std::array<DateBoxNames, 5>& names, const BirthDateTexts& start) {
    const std::array<std::string, 5> startTexts = Parts(start);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = MakeEdit(names[i].box, QString::fromStdString(startTexts[i]), kWidthInCharacters[i]);
        row.addWidget(boxes_[i]);
        row.addWidget(MakeLabel(names[i].unitLabel, kUnits[i]));
    }
}

BirthDateTexts DateBoxes::Texts() const {
    auto text = [this](std::size_t i) { return boxes_[i]->text().toStdString(); };
    return {text(0), text(1), text(2), text(3), text(4)};
}

void DateBoxes::SetTexts(const BirthDateTexts& date) {
    const std::array<std::string, 5> texts = Parts(date);
    for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setText(QString::fromStdString(texts[i]));
}

}  // namespace velorin::ui
