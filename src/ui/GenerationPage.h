#pragma once
// The page "宝宝取名": the inputs of a generation run, the result and
// candidate lists, the candidate buttons and the side buttons that open
// reference pages on the web.
//
// A run happens inside the click on the start button, on the window's one
// thread: after every name the page lets the window handle its pending
// events, so the user can stop the run, change inputs or double-click rows
// while it goes on.
#include <QWidget>

#include <optional>

#include "generation/GenerationRun.h"
#include "ui/DateBoxes.h"
#include "ui/EvaluationEntries.h"
#include "ui/RepaintLimiter.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace velorin::app {
struct SharedState;
}

namespace velorin::ui {

class Desktop;
class NameList;

class GenerationPage : public QWidget, private GenerationControls {
    Q_OBJECT
public:
    GenerationPage(app::SharedState& state, Desktop& desktop, QWidget* parent = nullptr);

    // The birth-date boxes 编辑框7, 8, 9, 11 and 10 as typed.
    BirthDateTexts BirthDate() const;
    NameList* ResultList() const { return results_; }
    NameList* CandidateList() const { return candidates_; }
    // How many names the latest run has made out of how many it may make;
    // the window shows it under its pages.
    QProgressBar* Progress() const { return progress_; }

private:
    void RunGeneration();
    GenerationRequest ReadRequest() const;
    void Stop();
    void CopyCandidates();
    QWidget* BuildSideButtons();

    NameSettings CurrentSettings() override;
    void ListName(const ListedName& name) override;
    bool StopRequested() override;
    void ProcessPendingEvents(int namesMade) override;

    app::SharedState& state_;
    Desktop& desktop_;
    std::optional<RepaintLimiter> runDrawing_;
    QLineEdit* surname_;
    QComboBox* sex_;
    QComboBox* givenLength_;
    QCheckBox* fixedTicked_;
    QComboBox* fixedPosition_;
    QLineEdit* fixedCharacter_;
    QPushButton* start_;
    QPushButton* stop_;
    std::optional<DateBoxes> birthDate_;
    QCheckBox* candidateTicked_;
    QLineEdit* threshold_;
    NameList* results_;
    NameList* candidates_;
    QProgressBar* progress_;
};

}  // namespace velorin::ui
