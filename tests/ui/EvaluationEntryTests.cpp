#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

#include "MainWindowHarness.h"
#include "ui/ColouredText.h"
#include "ui/EvaluationEntries.h"
#include "ui/NameList.h"

namespace velorin::ui {
namespace {

TEST(RowScore, IsWhatFollowsTheOneOpeningBracketWithoutClosingOnes) {
    struct Case {
        const char* caption;
        std::optional<std::string> score;
    };
    const Case cases[] = {
        {"张浩然[86分]", "86分"}, {"张浩然[86分]]", "86分"}, {"[86分]", "86分"},
        {"张浩然", std::nullopt}, {"张浩然[", std::nullopt}, {"张[浩然[86分]", std::nullopt},
    };
    for (const Case& row : cases) EXPECT_EQ(RowScore(row.caption), row.score) << row.caption;
}

TEST(TypedNameRequest, TakesTheScoreTermFromTheNamingDateAndTheRestFromItsOwn) {
    const BirthDateTexts evaluationDate{"2000", "3", "21", "8", "30"};
    const BirthDateTexts namingDate{"2016", "5", "5", "5", "5"};
    const EvaluationRequest request = TypedNameRequest("张", "伟", evaluationDate, namingDate, true);
    EXPECT_EQ(request.birthMoment, DateTime::FromParts(2000, 3, 21, 8));
    EXPECT_EQ(std::tie(request.scoreYear, request.scoreMonth, request.scoreDay), std::tuple(2016, 5, 5));
    EXPECT_EQ(std::tie(request.starSignMonth, request.starSignDay), std::tuple(3, 21));
    EXPECT_EQ(request.passedScore, std::nullopt);
    EXPECT_TRUE(request.fixedCharacterUsed);
}

class EvaluationEntryTest : public ::testing::Test, public MainWindowHarness {
protected:
    EvaluationEntryTest() {
        window.show();
        SetDate({"编辑框7", "编辑框8", "编辑框9", "编辑框11", "编辑框10"}, namingDate);
    }

    void SetDate(const std::array<const char*, 5>& boxes, const BirthDateTexts& date) {
        const std::string* texts[] = {&date.year, &date.month, &date.day, &date.hour, &date.minute};
        for (std::size_t i = 0; i < boxes.size(); ++i) Find<QLineEdit>(boxes[i])->setText(QString::fromStdString(*texts[i]));
    }
    BirthDateTexts EvaluationDate() {
        auto text = [this](const char* box) { return Find<QLineEdit>(box)->text().toStdString(); };
        return {text("编辑框2"), text("编辑框3"), text("编辑框5"), text("编辑框12"), text("编辑框13")};
    }
    // The report as the box shows it.
    QString Shown() { return Find<QTextEdit>("超级编辑框1")->toPlainText(); }
    // The report of a request, as the box would show it.
    static QString ReportOf(const EvaluationRequest& request) {
        QTextEdit box;
        ShowColouredLines(&box, BuildEvaluationReport(request).lines);
        return box.toPlainText();
    }
    // The way a mouse double-clicks: a click, then a second press that comes
    // as a double-click.
    void DoubleClick(const char* listName, int row) {
        auto* list = Find<NameList>(listName);
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }
    int Page() { return Find<QTabWidget>("选择夹1")->currentIndex(); }
    bool ToolbarPressed(int index) { return Find<QToolBar>("工具条1")->actions().at(index)->isChecked(); }

    const BirthDateTexts namingDate{"2018", "7", "9", "13", "30"};
    const BirthDateTexts evaluationDate{"1999", "12", "25", "1", "0"};
};

TEST_F(EvaluationEntryTest, ButtonEvaluatesTheTypedNameWithTheDateSplitBetweenThePages) {
    Find<QLineEdit>("编辑框_性2")->setText("张");
    Find<QLineEdit>("编辑框_名2")->setText("伟");
    SetDate({"编辑框2", "编辑框3", "编辑框5", "编辑框12", "编辑框13"}, evaluationDate);
    Find<QPushButton>("按钮_分析")->click();

    const QString expected = ReportOf(TypedNameRequest("张", "伟", evaluationDate, namingDate, false));
    EXPECT_EQ(Shown(), expected);
    // A report from the other page's date would read differently.
    EXPECT_NE(Shown(), ReportOf(TypedNameRequest("张", "伟", namingDate, evaluationDate, false)));
    EXPECT_EQ(Page(), 0);  // the button leaves the page as it is

    QTextCursor firstLine(Find<QTextEdit>("超级编辑框1")->document());
    firstLine.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    EXPECT_EQ(firstLine.charFormat().foreground().color(), ColourOf(kRed));
}

TEST_F(EvaluationEntryTest, ButtonEvaluatesTheNameWithoutTheBlanksTypedAroundIt) {
    Find<QLineEdit>("编辑框_性2")->setText(" 张　");
    Find<QLineEdit>("编辑框_名2")->setText("伟 ");
    SetDate({"编辑框2", "编辑框3", "编辑框5", "编辑框12", "编辑框13"}, evaluationDate);
    Find<QPushButton>("按钮_分析")->click();
    EXPECT_EQ(Shown(), ReportOf(TypedNameRequest("张", "伟", evaluationDate, namingDate, false)));
}

TEST_F(EvaluationEntryTest, ButtonDoesNothingWithoutBothNames) {
    Find<QTextEdit>("超级编辑框1")->setPlainText("earlier report");
    for (auto [surname, givenName] : {std::pair{"张", ""}, {"", "伟"}, {"张", " 　 "}, {"  ", "伟"}}) {
        Find<QLineEdit>("编辑框_性2")->setText(surname);
        Find<QLineEdit>("编辑框_名2")->setText(givenName);
        Find<QPushButton>("按钮_分析")->click();
        EXPECT_EQ(Shown(), "earlier report");
    }
}

TEST_F(EvaluationEntryTest, DoubleClickedRowIsEvaluatedAsItWasMade) {
    struct Case {
        const char* list;
        bool copiesDate;
    };
    for (const Case& test : {Case{"超级列表框1", false}, Case{"列表框1", true}}) {
        SetDate({"编辑框2", "编辑框3", "编辑框5", "编辑框12", "编辑框13"}, evaluationDate);
        Find<QTabWidget>("选择夹1")->setCurrentIndex(0);
        Find<QToolBar>("工具条1")->actions().at(0)->setChecked(true);
        // The surname and count boxes have changed since the row was made.
        Find<QLineEdit>("编辑框_姓")->setText("李");
        Find<QComboBox>("组合框_个数")->setCurrentText("1");
        state.fixedCharacterUsed = true;  // the row's score then stands
        Find<NameList>(test.list)->AddName("张浩然[86分]", "张", "浩然");
        DoubleClick(test.list, 0);

        const BirthDateTexts starSignDate = test.copiesDate ? namingDate : evaluationDate;
        EXPECT_EQ(EvaluationDate(), starSignDate) << test.list;
        EXPECT_EQ(Shown(), ReportOf(RowRequest("张", "浩然", "86分", namingDate, starSignDate, true))) << test.list;
        EXPECT_TRUE(Shown().contains("86分")) << test.list;
        EXPECT_EQ(Page(), 1) << test.list;
        EXPECT_TRUE(ToolbarPressed(1)) << test.list;
    }
}

TEST_F(EvaluationEntryTest, DoubleClickOnARowWithoutOneBracketDoesNothing) {
    Find<QTextEdit>("超级编辑框1")->setPlainText("earlier report");
    SetDate({"编辑框2", "编辑框3", "编辑框5", "编辑框12", "编辑框13"}, evaluationDate);
    for (const char* list : {"超级列表框1", "列表框1"}) {
        Find<NameList>(list)->AddName("张浩然86分", "张", "浩然");
        DoubleClick(list, 0);
        EXPECT_EQ(Shown(), "earlier report") << list;
        EXPECT_EQ(EvaluationDate(), evaluationDate) << list;
        EXPECT_EQ(Page(), 0) << list;
        EXPECT_TRUE(ToolbarPressed(0)) << list;
    }
}

}  // namespace
}  // namespace velorin::ui
