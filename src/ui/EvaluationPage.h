#pragma once
// The page "姓名评测": the name and birth date to evaluate, the button that
// starts the evaluation and the rich edit box that shows the report.
#include <QWidget>

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

private:
    QLineEdit* surname_;
    QLineEdit* givenName_;
    QLineEdit* year_;
    QLineEdit* month_;
    QLineEdit* day_;
    QLineEdit* hour_;
    QLineEdit* minute_;
    QPushButton* analyse_;
    QTextEdit* report_;
};

}  // namespace velorin::ui
