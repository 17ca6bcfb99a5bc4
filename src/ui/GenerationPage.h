#pragma once
// The page "宝宝取名": the inputs of a generation run, the result and
// candidate lists, the candidate buttons and the side buttons that open
// reference pages on the web.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velorin::ui {

class Desktop;

class GenerationPage : public QWidget {
    Q_OBJECT
public:
    explicit GenerationPage(Desktop& desktop, QWidget* parent = nullptr);

    QListWidget* ResultList() const { return results_; }
    QListWidget* CandidateList() const { return candidates_; }

private:
    void Stop();
    void CopyCandidates();

    QWidget* BuildSideButtons();

    Desktop& desktop_;
    QLineEdit* surname_;
    QComboBox* sex_;
    QComboBox* givenLength_;
    QCheckBox* fixedTicked_;
    QComboBox* fixedPosition_;
    QLineEdit* fixedCharacter_;
    QPushButton* start_;
    QPushButton* stop_;
    QLineEdit* year_;
    QLineEdit* month_;
    QLineEdit* day_;
    QLineEdit* hour_;
    QLineEdit* minute_;
    QCheckBox* candidateTicked_;
    QLineEdit* threshold_;
    QListWidget* results_;
    QListWidget* candidates_;
};

}  // namespace velorin::ui
