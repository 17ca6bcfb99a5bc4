#include "ui/MainWindow.h"

#include <QActionGroup>
#include <QIcon>
#include <QProgressBar>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

#include "app/SharedState.h"
#include "text/Utf8Text.h"
#include "ui/ColouredText.h"
#include "ui/Desktop.h"
#include "ui/EvaluationEntries.h"
#include "ui/EvaluationPage.h"
#include "ui/GenerationPage.h"
#include "ui/NameList.h"
#include "ui/ReferencePages.h"
#include "ui/SmallWindows.h"
#include "ui/SongFont.h"

namespace velorin::ui {

namespace {

struct ToolbarButton {
    const char* caption;
    const char* picture;
};

// In toolbar order; the click handler receives the index into this table.
constexpr ToolbarButton kToolbarButtons[] = {
    {"宝宝取名", "ToolbarNaming"},           {"姓名评测", "ToolbarEvaluation"},
    {"81数理表", "ToolbarNumberTable"},      {"三才表", "ToolbarThreeTalents"},
    {"汉字五行", "ToolbarCharacterElement"}, {"星座查询", "ToolbarStarSign"},
    {"生辰八字", "ToolbarBirthChart"},       {"使用帮助", "ToolbarHelp"},
};

enum Page { NamingPage = 0, EvaluatingPage = 1, NumberTablePage = 2, ThreeTalentsPage = 3, HelpPage = 4 };

QIcon Picture(const char* name) {
    return QIcon(QStringLiteral(":/pictures/%1.svg").arg(QString::fromUtf8(name)));
}

}  // namespace

MainWindow::MainWindow(app::SharedState& state, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), state_(state), desktop_(desktop) {
    MapSongFont();
    setObjectName("MainWindow");
    setWindowTitle("Velorin v27.0");
    setWindowIcon(Picture("ProgramIcon"));
    setFont(QFont(kSongFamily, 10));

    generationPage_ = new GenerationPage(state_, desktop_);
    evaluationPage_ = new EvaluationPage;
    pages_ = new QTabWidget;
    pages_->setObjectName("选择夹1");
    pages_->addTab(generationPage_, "宝宝取名");
    pages_->addTab(evaluationPage_, "姓名评测");
    pages_->addTab(BuildNumberTablePage(), "81树立");
    pages_->addTab(BuildThreeTalentsPage(), "三才表");
    pages_->addTab(BuildHelpPage(), "ww");
    setCentralWidget(pages_);

    BuildToolbar();

    statusBar()->addWidget(generationPage_->Progress(), 1);

    connect(evaluationPage_, &EvaluationPage::evaluationRequested, this, &MainWindow::EvaluateTypedName);
    NameList* results = generationPage_->ResultList();
    NameList* candidates = generationPage_->CandidateList();
    // A candidate row brings its birth date to the evaluation page; a result
    // row leaves the page's date as it was.
    connect(results, &NameList::doubleClicked, this,
            [this, results](const QModelIndex& cell) { EvaluateRow(*results, cell.row(), false); });
    connect(candidates, &NameList::doubleClicked, this,
            [this, candidates](const QModelIndex& cell) { EvaluateRow(*candidates, cell.row(), true); });

    state_.cycleElementTable = CycleElementTable::Carried();
    resize(769, 570);
}

void MainWindow::BuildToolbar() {
    auto* toolbar = new QToolBar;
    toolbar->setObjectName("工具条1");
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->setIconSize({32, 32});
    toolbarButtons_ = new QActionGroup(toolbar);
    toolbarButtons_->setExclusive(true);
    for (int index = 0; index < static_cast<int>(std::size(kToolbarButtons)); ++index) {
        QAction* button = toolbar->addAction(Picture(kToolbarButtons[index].picture),
                                             QString::fromUtf8(kToolbarButtons[index].caption));
        button->setCheckable(true);
        button->setData(index);
        toolbarButtons_->addAction(button);
    }
    toolbarButtons_->actions().front()->setChecked(true);
    connect(toolbarButtons_, &QActionGroup::triggered, this,
            [this](QAction* button) { OnToolbarButton(button->data().toInt()); });
    addToolBar(Qt::LeftToolBarArea, toolbar);
}

// The clicked button stays pressed, also after a small window it opened has
// closed; the page shown does not change for the window buttons.
void MainWindow::OnToolbarButton(int index) {
    switch (index) {
        case 0: pages_->setCurrentIndex(NamingPage); break;
        case 1:
            pages_->setCurrentIndex(EvaluatingPage);
            evaluationPage_->SurnameBox()->setFocus();
            break;
        case 2: pages_->setCurrentIndex(NumberTablePage); break;
        case 3: pages_->setCurrentIndex(ThreeTalentsPage); break;
        case 4: desktop_.RunModal(*CreateElementQueryWindow(this)); break;
        case 5: desktop_.RunModal(*CreateStarSignWindow(this)); break;
        case 6:
            // From now on every generation run records its birth moment for
            // this window.
            state_.chartRequested = true;
            desktop_.RunModal(*CreateBirthChartWindow(this, state_.chartMoment));
            break;
        case 7: pages_->setCurrentIndex(HelpPage); break;
    }
}

void MainWindow::EvaluateTypedName() {
    // Blanks typed around a name are not part of it; a name of blanks alone
    // is no name, like an empty box.
    const std::string surname = text::TrimBlanks(evaluationPage_->Surname());
    const std::string givenName = text::TrimBlanks(evaluationPage_->GivenName());
    if (surname.empty() || givenName.empty()) return;
    ShowReport(TypedNameRequest(surname, givenName, evaluationPage_->BirthDate(), generationPage_->BirthDate(),
                                state_.fixedCharacterUsed));
}

void MainWindow::EvaluateRow(const NameList& list, int row, bool copiesBirthDate) {
    const std::optional<std::string> rowScore = RowScore(list.Caption(row).toStdString());
    if (!rowScore) return;
    if (copiesBirthDate) evaluationPage_->SetBirthDate(generationPage_->BirthDate());
    ShowReport(RowRequest(list.Surname(row).toStdString(), list.GivenName(row).toStdString(), *rowScore,
                          generationPage_->BirthDate(), evaluationPage_->BirthDate(), state_.fixedCharacterUsed));
    pages_->setCurrentIndex(EvaluatingPage);
    toolbarButtons_->actions().at(1)->setChecked(true);
}

void MainWindow::ShowReport(const EvaluationRequest& request) {
    ShowColouredLines(evaluationPage_->ReportBox(), BuildEvaluationReport(request).lines);
}

}  // namespace velorin::ui
