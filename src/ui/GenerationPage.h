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

#include "generation/GenerationRun.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velorin::app {
struct SharedState;
}

namespace velorin::ui {

class Desktop;

// Every row of both lists remembers the surname and the given name it was
// made from, under these item data roles.
inline constexpr int kSurnameRole = Qt::UserRole;
inline constexpr int kGivenNameRole = Qt::UserRole + 1;

class GenerationPage : public QWidget, private GenerationControls {
    Q_OBJECT
public:
    GenerationPage(app::SharedState& state, Desktop& desktop, QWidget* parent = nullptr);

    QListWidget* ResultList() const { return results_; }
    QListWidget* CandidateList() const { return candidates_; }

signals:
    // After every name of a run, and once more when it ends.
    void progressChanged(int namesMade, int nameLimit);

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
    int nameLimit_ = 0;
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
