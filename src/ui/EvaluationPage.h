#pragma once
// The page "姓名评测": the name and birth date to evaluate, the button that
// starts the evaluation and the rich edit box that shows the report.
#include <QWidget>

#include <optional>
#include <string>

#include "ui/DateBoxes.h"
#include "ui/EvaluationEntries.h"

class QLineEdit;
class QPushButton;
class QTextEdit;

namespace velorin::ui {

class EvaluationPage : public QWidget {
    Q_OBJECT
public:
    explicit EvaluationPage(QWidget* parent = nullptr);

    QLineEdit* SurnameBox() const { return surname_; }
    QTextEdit* ReportBox() const { return report_; }

    std::string Surname() const;
    std::string GivenName() const;
    // The birth-date boxes 编辑框2, 3, 5, 12 and 13.
    BirthDateTexts BirthDate() const;
    void SetBirthDate(const BirthDateTexts& date);

signals:
    // The button "开始分析" was clicked.
    void evaluationRequested();

private:
    QLineEdit* surname_;
    QLineEdit* givenName_;
    std::optional<DateBoxes> birthDate_;
    QPushButton* analyse_;
    QTextEdit* report_;
};

}  // namespace velorin::ui
