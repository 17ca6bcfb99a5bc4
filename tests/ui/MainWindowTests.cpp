#include <QAbstractButton>
#include <QActionGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "MainWindowHarness.h"
#include "ui/NameList.h"
#include "ui/SongFont.h"

namespace velorin::ui {
namespace {

class MainWindowTest : public ::testing::Test, public MainWindowHarness {
protected:
    QAction* ToolbarButton(int index) { return Find<QToolBar>("工具条1")->actions().at(index); }
    QTabWidget* Pages() { return Find<QTabWidget>("选择夹1"); }
    NameList* Candidates() { return Find<NameList>("列表框1"); }
    NameList* Results() { return Find<NameList>("超级列表框1"); }
};

TEST_F(MainWindowTest, StartsOnTheNamingPageReadyToRun) {
    EXPECT_EQ(window.windowTitle(), "Velorin v27.0");
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(Pages()->currentIndex(), 0);
    const QStringList captions = {"宝宝取名", "姓名评测", "81树立", "三才表", "ww"};
    ASSERT_EQ(Pages()->count(), captions.size());
    for (int page = 0; page < Pages()->count(); ++page) EXPECT_EQ(Pages()->tabText(page), captions[page]);

    const QStringList toolbarCaptions = {"宝宝取名", "姓名评测", "81数理表", "三才表",
                                         "汉字五行", "星座查询", "生辰八字", "使用帮助"};
    ASSERT_EQ(Find<QToolBar>("工具条1")->actions().size(), toolbarCaptions.size());
    for (int index = 0; index < toolbarCaptions.size(); ++index) {
        EXPECT_EQ(ToolbarButton(index)->text(), toolbarCaptions[index]);
        EXPECT_FALSE(ToolbarButton(index)->icon().isNull()) << index;
        EXPECT_EQ(ToolbarButton(index)->isChecked(), index == 0) << index;
    }
    EXPECT_TRUE(Find<QPushButton>("按钮1")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("按钮2")->isEnabled());
}

TEST_F(MainWindowTest, InputsStartWithTheirDefaults) {
    struct Case {
        const char* name;
        QString text;
    };
    const Case edits[] = {{"编辑框_姓", "张"}, {"编辑框_固定字", ""}, {"编辑框7", "2016"}, {"编辑框8", "5"},
                          {"编辑框9", "5"},    {"编辑框11", "5"},     {"编辑框10", "5"},   {"编辑框1", "75"},
                          {"编辑框_性2", ""},  {"编辑框_名2", ""},    {"编辑框2", ""},     {"编辑框13", ""}};
    for (const Case& edit : edits) EXPECT_EQ(Find<QLineEdit>(edit.name)->text(), edit.text) << edit.name;

    const Case combos[] = {{"组合框_性别", "男"}, {"组合框_个数", "2"}, {"组合框_第几个字", "1"},
                           {"组合框1", "出生日期"}, {"组合框_性别2", "男"}};
    for (const Case& combo : combos) EXPECT_EQ(Find<QComboBox>(combo.name)->currentText(), combo.text) << combo.name;
    EXPECT_EQ(Find<QComboBox>("组合框_个数")->count(), 3);

    EXPECT_FALSE(Find<QCheckBox>("选择框1")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("选择框_候选")->isChecked());
    EXPECT_EQ(Find<QPushButton>("按钮_分析")->text(), "开始分析");
}

TEST_F(MainWindowTest, NumberTableListHoldsTheEightyOneRows) {
    auto* list = Find<QTreeWidget>("超级列表框81");
    ASSERT_EQ(list->topLevelItemCount(), 81);
    const QStringList titles = {"数理", "吉凶", "基业", "家庭", "健康", "含义"};
    const int widths[] = {80, 70, 150, 150, 150, 250};
    ASSERT_EQ(list->columnCount(), 6);
    for (int column = 0; column < 6; ++column) {
        EXPECT_EQ(list->headerItem()->text(column), titles[column]);
        EXPECT_EQ(list->columnWidth(column), widths[column]);
    }
    struct Case {
        int item;
        QString title, grade;
    };
    for (const Case& row : {Case{0, "第1数理", "吉"}, Case{1, "第2数理", "凶"}, Case{80, "第81数理", "吉"}}) {
        EXPECT_EQ(list->topLevelItem(row.item)->text(0), row.title);
        EXPECT_EQ(list->topLevelItem(row.item)->text(1), row.grade);
    }
    EXPECT_TRUE(list->topLevelItem(0)->text(5).startsWith("万事万物的基本数。"));
}

TEST_F(MainWindowTest, ReferencePagesShowTheirTexts) {
    EXPECT_TRUE(Find<QPlainTextEdit>("编辑框6")->toPlainText().startsWith("一 一 一\n木 木 木\n二 二 二\n"));
    EXPECT_TRUE(Find<QPlainTextEdit>("编辑框4")->toPlainText().startsWith("问：我都生成名字好久了"));
}

TEST_F(MainWindowTest, CreationFillsTheCycleElementTable) {
    ASSERT_EQ(state.cycleElementTable.Count(), 60);
    EXPECT_EQ(state.cycleElementTable.Entry(1), "木,水,");
    EXPECT_EQ(state.cycleElementTable.Entry(3), "火,木,");
    EXPECT_EQ(state.cycleElementTable.Entry(59), "水,土,");
    EXPECT_EQ(state.cycleElementTable.Entry(60), "水,水,");
}

TEST_F(MainWindowTest, ToolbarButtonsShowPagesOrOpenWindows) {
    struct Case {
        int button;
        int page;  // the page shown afterwards
        QString window;
    };
    const Case cases[] = {
        {2, 2, {}}, {3, 3, {}}, {7, 4, {}}, {0, 0, {}},
        // Window buttons leave the page as it was.
        {4, 0, "汉字五行查询"}, {5, 0, "星座查询"}, {6, 0, "皮肤"}, {1, 1, {}},
    };
    for (const Case& click : cases) {
        desktop.dialogTitles.clear();
        ToolbarButton(click.button)->trigger();
        EXPECT_EQ(Pages()->currentIndex(), click.page) << click.button;
        EXPECT_EQ(desktop.dialogTitles, click.window.isEmpty() ? std::vector<QString>{} : std::vector{click.window})
            << click.button;
        for (int other = 0; other < 8; ++other)
            EXPECT_EQ(ToolbarButton(other)->isChecked(), other == click.button) << click.button << " " << other;
    }
}

TEST_F(MainWindowTest, BirthChartButtonRequestsTheChartBeforeOpeningIt) {
    bool requestedWhileOpen = false;
    desktop.whileModal = [&](QDialog&) { requestedWhileOpen = state.chartRequested; };
    EXPECT_FALSE(state.chartRequested);
    ToolbarButton(6)->trigger();
    EXPECT_TRUE(requestedWhileOpen);
    EXPECT_TRUE(state.chartRequested);
}

TEST_F(MainWindowTest, EvaluationButtonPutsTheCursorIntoTheSurnameBox) {
    window.show();
    ToolbarButton(1)->trigger();
    EXPECT_EQ(window.focusWidget(), Find<QLineEdit>("编辑框_性2"));
}

TEST_F(MainWindowTest, CopyPutsEveryCandidateAfterALineBreak) {
    Candidates()->AddName("张浩然[86分]");
    Candidates()->AddName("张子涵[80分]");
    Find<QPushButton>("按钮5")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "\r\n张浩然[86分]\r\n张子涵[80分]");
    const RecordedMessage copied{"候选名字已经复制到剪辑板", MessageIcon::Information};
    EXPECT_EQ(desktop.messages, std::vector{copied});
}

TEST_F(MainWindowTest, CopyOfNoCandidatesLeavesTheClipboardAlone) {
    QGuiApplication::clipboard()->setText("earlier text");
    Find<QPushButton>("按钮5")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "earlier text");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(MainWindowTest, ClearEmptiesOnlyTheCandidates) {
    Results()->AddName("张浩然[86分]");
    Results()->AddName("张一[60分]");
    Candidates()->AddName("张浩然[86分]");
    Find<QPushButton>("按钮4")->click();
    EXPECT_EQ(Candidates()->Count(), 0);
    EXPECT_EQ(Results()->Captions(), (QStringList{"张浩然[86分]", "张一[60分]"}));
}

TEST_F(MainWindowTest, StopEnablesStartAndDisablesItself) {
    auto* start = Find<QPushButton>("按钮1");
    auto* stop = Find<QPushButton>("按钮2");
    start->setEnabled(false);
    stop->setEnabled(true);
    stop->click();
    EXPECT_TRUE(start->isEnabled());
    EXPECT_FALSE(stop->isEnabled());
}

TEST_F(MainWindowTest, SideButtonsOpenOneWebPageEach) {
    const char* buttons[] = {"超级按钮1", "超级按钮4", "超级按钮5", "超级按钮3", "超级按钮2"};
    for (const char* name : buttons) {
        auto* button = Find<QToolButton>(name);
        EXPECT_FALSE(button->icon().isNull()) << name;
        button->click();  // a click also presses, which is what 超级按钮2 answers
    }
    ASSERT_EQ(desktop.pages.size(), std::size(buttons));
    for (const QUrl& page : desktop.pages) {
        EXPECT_EQ(page.scheme(), "https");
        EXPECT_EQ(std::count(desktop.pages.begin(), desktop.pages.end(), page), 1) << page.toString().toStdString();
    }
}

TEST(SongFont, PrefersASimplifiedSongFaceThenAnyChineseFace) {
    struct Case {
        QStringList installed;
        QStringList expected;
    };
    const Case cases[] = {
        {{"Noto Sans CJK SC", "Noto Serif CJK TC", "Noto Serif CJK SC"},
         {"Noto Serif CJK SC", "Noto Serif CJK TC", "Noto Sans CJK SC"}},
        {{"WenQuanYi Zen Hei", "AR PL UMing CN"}, {"AR PL UMing CN", "WenQuanYi Zen Hei"}},
        {{"Noto Sans CJK JP", "Noto Sans CJK SC"}, {"Noto Sans CJK SC", "Noto Sans CJK JP"}},
        {{}, {}},
    };
    for (const Case& test : cases) EXPECT_EQ(SongSubstitutes(test.installed), test.expected);
}

}  // namespace
}  // namespace velorin::ui
