#pragma once
// The program's main window: the vertical toolbar that chooses a page or
// opens a small window, and the five pages of 选择夹1.
#include <QMainWindow>

#include "evaluation/EvaluationReport.h"

class QActionGroup;
class QTabWidget;

namespace velorin::app {
struct SharedState;
}

namespace velorin::ui {

class Desktop;
class EvaluationPage;
class GenerationPage;
class NameList;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(app::SharedState& state, Desktop& desktop, QWidget* parent = nullptr);

private:
    void BuildToolbar();
    void OnToolbarButton(int index);
    void EvaluateTypedName();
    void EvaluateRow(const NameList& list, int row, bool copiesBirthDate);
    void ShowReport(const EvaluationRequest& request);

    app::SharedState& state_;
    Desktop& desktop_;
    QActionGroup* toolbarButtons_;
    QTabWidget* pages_;
    GenerationPage* generationPage_;
    EvaluationPage* evaluationPage_;
};

}  // namespace velorin::ui
