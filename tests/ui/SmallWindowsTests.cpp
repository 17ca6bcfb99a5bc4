#include "ui/SmallWindows.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <gtest/gtest.h>

#include "MainWindowHarness.h"
#include "evaluation/BirthChartLines.h"
#include "text/GbkCodec.h"

namespace velorin::ui {
namespace {

template <class Control>
Control* Find(QDialog& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromUtf8(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

TEST(StarSignWindow, OpensOnTheFirstOfJanuaryAndLooksTheDayUp) {
    auto window = CreateStarSignWindow(nullptr);
    EXPECT_EQ(window->windowTitle(), "星座查询");
    auto* month = Find<QComboBox>(*window, "组合框1");
    auto* day = Find<QComboBox>(*window, "组合框2");
    auto* result = Find<QLabel>(*window, "标签1");
    EXPECT_EQ(month->count(), 12);
    EXPECT_EQ(day->count(), 31);
    EXPECT_EQ(month->currentText(), "1");
    EXPECT_EQ(day->currentText(), "1");
    EXPECT_EQ(result->text(), "");

    Find<QPushButton>(*window, "按钮1")->click();
    EXPECT_EQ(result->text(), "1月1日\n魔蝎座\n耐心\n\n12月22日～1月20日 主宰行星：土星 属性：地相星座\n\n"
                              "是一个：喜欢从容不迫、深思熟虑的人");

    month->setCurrentText("4");
    day->setCurrentText("20");
    Find<QPushButton>(*window, "按钮1")->click();
    EXPECT_TRUE(result->text().startsWith("4月20日\n白羊座\n"));
}

TEST(ElementQueryWindow, ShowsTheElementOfEachCharacterTyped) {
    auto window = CreateElementQueryWindow(nullptr);
    EXPECT_EQ(window->windowTitle(), "汉字五行查询");
    auto* typed = Find<QLineEdit>(*window, "编辑框1");
    auto* element = Find<QLabel>(*window, "标签4");
    EXPECT_EQ(element->text(), "木");

    struct Case {
        const char* typed;
        const char* element;
    };
    for (const Case& c : {Case{"张", "火"}, Case{"杨", "木"}, Case{"張", "火"}, Case{"", ""}, Case{" 张 ", "火"},
                          Case{"张杨", "火、木"}, Case{"张A杨", "火、、木"}}) {
        typed->setText(QString::fromUtf8(c.typed));
        Find<QPushButton>(*window, "按钮1")->click();
        EXPECT_EQ(element->text(), QString::fromUtf8(c.element)) << c.typed;
    }
}

std::vector<std::string> BlocksOf(const QTextEdit& box) {
    std::vector<std::string> blocks;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        blocks.push_back(block.text().toStdString());
    }
    return blocks;
}

TEST(BirthChartWindow, ShowsTheEmptyChartInBlueForTheZeroMoment) {
    auto window = CreateBirthChartWindow(nullptr, DateTime());
    EXPECT_EQ(window->windowTitle(), "皮肤");
    auto* box = Find<QTextEdit>(*window, "生辰八字超级编辑框");
    std::vector<std::string> expected = {"属相：", "四柱：年 月 日 时", "八字：   ", "五行：", "纳音：", "五行： ",
                                     "五行个数： 金：0个  木：0个  水：0个  火：0个  土：0个",
                                     "五行缺：金  木  水  火  土  ", "此喜用神为:金  木  水  火  土  ", ""};
    EXPECT_EQ(BlocksOf(*box), expected);
    for (QTextBlock block = box->document()->begin(); block.isValid() && !block.text().isEmpty();
         block = block.next()) {
        EXPECT_EQ(block.begin().fragment().charFormat().foreground().color(), QColor(0, 0, 255));
    }
}

TEST(BirthChartWindow, ShowsTheChartOfTheMomentItIsGiven) {
    DateTime moment = DateTime::FromParts(1990, 1, 1, 12);
    auto window = CreateBirthChartWindow(nullptr, moment);
    BirthChartLines chart = BirthChartLinesOf(moment);
    std::vector<std::string> blocks = BlocksOf(*Find<QTextEdit>(*window, "生辰八字超级编辑框"));
    ASSERT_EQ(blocks.size(), 10u);
    EXPECT_EQ(blocks[0], "属相：蛇");
    EXPECT_EQ(blocks[1], "四柱：己巳年 丙子月 丙寅日 甲午时");
    EXPECT_EQ(blocks[8] + "\r\n", chart.balanceLines[3]);
}

// Runs store their birth moment only once the window has been asked for, and
// each opening shows the moment of the latest such run.
TEST(BirthChartWindow, ShowsTheMomentOfARunStartedAfterItWasFirstOpened) {
    MainWindowHarness harness;
    QTemporaryDir folder;
    harness.state.libraryDirectory = folder.path().toStdString();
    QFile library(folder.filePath("zm.fne"));
    ASSERT_TRUE(library.open(QIODevice::WriteOnly));
    library.write(QByteArray::fromStdString(text::Utf8ToGbk("浩\r\n").text));
    library.close();
    harness.Find<QComboBox>("组合框_个数")->setCurrentText("1");
    for (auto [box, value] : {std::pair{"编辑框7", "1990"}, {"编辑框8", "1"}, {"编辑框9", "1"}, {"编辑框11", "12"}}) {
        harness.Find<QLineEdit>(box)->setText(value);
    }
    std::vector<std::vector<std::string>> shown;
    harness.desktop.whileModal = [&shown](QDialog& dialog) {
        shown.push_back(BlocksOf(*Find<QTextEdit>(dialog, "生辰八字超级编辑框")));
    };
    auto openChart = [&harness] { harness.Find<QToolBar>("工具条1")->actions().at(6)->trigger(); };
    auto run = [&harness] { harness.Find<QPushButton>("按钮1")->click(); };

    run();
    openChart();
    run();
    openChart();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0][0], "属相：");
    EXPECT_EQ(shown[1][0], "属相：蛇");
    EXPECT_EQ(shown[1][1], "四柱：己巳年 丙子月 丙寅日 甲午时");
}

}  // namespace
}  // namespace velorin::ui
