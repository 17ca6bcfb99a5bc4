#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>

#include "MainWindowHarness.h"
#include "text/GbkCodec.h"
#include "ui/NameList.h"

namespace velorin::ui {
namespace {

// A main window whose runs read their libraries from a folder of the test's.
struct GenerationHarness : MainWindowHarness {
    GenerationHarness() { state.libraryDirectory = folder.path().toStdString(); }

    // A library as the program ships them: GBK, one entry a line.
    void WriteLibrary(const char* fileName, const QStringList& entries) {
        QFile file(folder.filePath(fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string content = (entries.join("\r\n") + "\r\n").toStdString();
        file.write(QByteArray::fromStdString(text::Utf8ToGbk(content).text));
    }

    void Select(const char* comboName, const QString& text) { Find<QComboBox>(comboName)->setCurrentText(text); }
    void Type(const char* editName, const QString& text) { Find<QLineEdit>(editName)->setText(text); }
    void Start() { Find<QPushButton>("按钮1")->click(); }
    QStringList Rows(const char* listName) { return Find<NameList>(listName)->Captions(); }
    bool Idle() { return Find<QPushButton>("按钮1")->isEnabled() && !Find<QPushButton>("按钮2")->isEnabled(); }
    // The names made so far, as the progress bar under the pages shows them.
    int NamesMadeShown() { return Find<QProgressBar>("进度条_生成")->value(); }
    // Runs `act` with the number of the row just added to the result list.
    void WhenListed(std::function<void(int row)> act) {
        auto* results = Find<NameList>("超级列表框1");
        QObject::connect(results->model(), &QAbstractItemModel::rowsInserted,
                         [act](const QModelIndex&, int first, int) { act(first); });
    }

    QTemporaryDir folder;
    const QStringList threeEntries = {"浩", "然", "宇"};
    const QStringList manyEntries = {"浩", "然", "宇", "轩", "子", "涵", "博", "文", "俊", "杰", "明", "辉",
                                     "志", "强", "思", "远", "嘉", "睿", "天", "佑", "安", "泽", "宏", "伟"};
};

class GenerationWindowTest : public ::testing::Test, public GenerationHarness {};

TEST_F(GenerationWindowTest, RunListsEveryNameWithItsScoreAndWhatItWasMadeFrom) {
    WriteLibrary("zm.fne", threeEntries);
    Select("组合框_个数", "1");
    auto* results = Find<NameList>("超级列表框1");
    results->AddName("李四[70分]");  // left from an earlier run
    Start();

    ASSERT_EQ(results->Count(), 3);  // the three names, then only repeats until the run gives up
    QStringList givenNames;
    for (int row = 0; row < results->Count(); ++row) {
        const QString given = results->GivenName(row);
        const QString caption = results->Caption(row);
        givenNames << given;
        EXPECT_EQ(results->Surname(row), "张");
        EXPECT_TRUE(caption.startsWith("张" + given + "[")) << caption.toStdString();
        EXPECT_TRUE(caption.endsWith("分]")) << caption.toStdString();
    }
    givenNames.sort();
    QStringList expected = threeEntries;
    expected.sort();
    EXPECT_EQ(givenNames, expected);
    EXPECT_TRUE(Idle());
    EXPECT_GT(NamesMadeShown(), 500);  // more than 500 repeats in a row ended it
}

TEST_F(GenerationWindowTest, CandidatesFollowTheBoxAndTheThreshold) {
    WriteLibrary("zm.fne", threeEntries);
    Select("组合框_个数", "1");
    struct Case {
        bool ticked;
        QString threshold;
        bool allCandidates;
    };
    for (const Case& run : {Case{true, "0", true}, Case{true, "101", false}, Case{false, "0", false}}) {
        Find<NameList>("列表框1")->Clear();
        Find<QCheckBox>("选择框_候选")->setChecked(run.ticked);
        Type("编辑框1", run.threshold);
        Start();
        EXPECT_EQ(Rows("列表框1"), run.allCandidates ? Rows("超级列表框1") : QStringList{})
            << run.ticked << run.threshold.toStdString();
    }
}

TEST_F(GenerationWindowTest, NewestNameIsInView) {
    WriteLibrary("zm.fne", manyEntries);
    window.show();
    Start();
    QCoreApplication::processEvents();
    auto* results = Find<NameList>("超级列表框1");
    ASSERT_GT(results->Count(), 50);
    const QRect newest = results->visualRect(results->model()->index(results->Count() - 1, 0));
    EXPECT_TRUE(results->viewport()->rect().contains(newest));
}

TEST_F(GenerationWindowTest, StopHandledBetweenNamesEndsTheRunAfterTheNextName) {
    WriteLibrary("zm.fne", manyEntries);
    auto* stop = Find<QPushButton>("按钮2");
    bool runningWhileListing = true;
    int madeWhenStopped = -1;
    WhenListed([&](int row) {
        runningWhileListing &= madeWhenStopped >= 0 || (!Find<QPushButton>("按钮1")->isEnabled() && stop->isEnabled());
        if (row != 2) return;
        // The user's click waits among the pending events while the third
        // name is made.
        madeWhenStopped = NamesMadeShown() + 1;
        QMetaObject::invokeMethod(stop, &QPushButton::click, Qt::QueuedConnection);
    });
    Start();
    EXPECT_TRUE(runningWhileListing);
    EXPECT_EQ(NamesMadeShown(), madeWhenStopped + 1);
    EXPECT_TRUE(Idle());
}

TEST_F(GenerationWindowTest, StartClickedRightAfterStopWaitsForTheRunToEnd) {
    WriteLibrary("zm.fne", manyEntries);
    auto* start = Find<QPushButton>("按钮1");
    auto* stop = Find<QPushButton>("按钮2");
    int runs = 0;
    WhenListed([&](int row) {
        if (row == 0) ++runs;
        if (row != 2 || runs > 1) return;
        QMetaObject::invokeMethod(stop, &QPushButton::click, Qt::QueuedConnection);
        QMetaObject::invokeMethod(start, &QPushButton::click, Qt::QueuedConnection);
    });
    Start();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(Idle());
}

TEST_F(GenerationWindowTest, InputsChangedDuringARunCountFromTheNextName) {
    WriteLibrary("zm.fne", manyEntries);
    WhenListed([&](int row) {
        if (row == 1) Select("组合框_个数", "3");
        if (row == 3) Find<QPushButton>("按钮2")->click();
    });
    Start();
    auto* results = Find<NameList>("超级列表框1");
    ASSERT_EQ(results->Count(), 4);
    EXPECT_EQ(results->GivenName(1).size(), 2);
    EXPECT_EQ(results->GivenName(3).size(), 3);
}

TEST_F(GenerationWindowTest, FailedStartsShowTheirMessageAndStayIdle) {
    struct Case {
        const char* what;
        std::function<void(GenerationHarness&)> arrange;
        RecordedMessage message;
        bool resultsCleared;
    };
    const Case cases[] = {
        {"fixed character missing",
         [](GenerationHarness& t) { t.Find<QCheckBox>("选择框1")->setChecked(true); },
         {"请填写固定字", MessageIcon::Information}, false},
        {"surname blank", [](GenerationHarness& t) { t.Type("编辑框_姓", " \u3000"); },
         {"请填写姓氏", MessageIcon::Information}, false},
        {"boys' library missing", [](GenerationHarness&) {}, {"字库男不存在 无法生成", MessageIcon::None}, true},
        {"girls' library missing", [](GenerationHarness& t) { t.Select("组合框_性别", "女"); },
         {"字库女不存在 无法生成", MessageIcon::None}, true},
        {"boys' library empty", [](GenerationHarness& t) { t.WriteLibrary("zm.fne", {"", " "}); },
         {"字库男为空 无法生成", MessageIcon::None}, true},
    };
    for (const Case& test : cases) {
        GenerationHarness fresh;
        test.arrange(fresh);
        fresh.Find<NameList>("超级列表框1")->AddName("李四[70分]");
        fresh.Find<NameList>("列表框1")->AddName("李四[70分]");
        fresh.Start();
        EXPECT_EQ(fresh.desktop.messages, std::vector{test.message}) << test.what;
        EXPECT_EQ(fresh.Rows("超级列表框1").isEmpty(), test.resultsCleared) << test.what;
        EXPECT_EQ(fresh.Rows("列表框1").size(), 1) << test.what;
        EXPECT_TRUE(fresh.Idle()) << test.what;
    }
}

TEST_F(GenerationWindowTest, RunRecordsTheFixedCharacterAndTheRequestedChartMoment) {
    WriteLibrary("zm.fne", manyEntries);
    Find<QCheckBox>("选择框1")->setChecked(true);
    Type("编辑框_固定字", "德");
    Select("组合框_第几个字", "2");
    Type("编辑框7", "2020");
    Type("编辑框8", "2");
    Type("编辑框9", "3");
    Type("编辑框11", "4");

    Start();
    EXPECT_TRUE(state.fixedCharacterUsed);
    EXPECT_TRUE(state.chartMoment.IsZero());  // the chart was not asked for
    for (const QString& row : Rows("超级列表框1")) EXPECT_EQ(row.mid(2, 1), "德") << row.toStdString();

    state.chartRequested = true;
    Start();
    EXPECT_EQ(state.chartMoment, DateTime::FromParts(2020, 2, 3, 4));
}

}  // namespace
}  // namespace velorin::ui
