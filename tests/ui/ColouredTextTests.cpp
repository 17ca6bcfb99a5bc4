#include "ui/ColouredText.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace velorin::ui {
namespace {

QTextCharFormat FormatAt(const QTextEdit& box, int position) {
    QTextCursor cursor(box.document());
    cursor.setPosition(position);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    return cursor.charFormat();
}

TEST(ColourOf, ReadsTheRedGreenBlueBytesFromLowToHigh) {
    EXPECT_EQ(ColourOf(kBlue), QColor(0, 0, 255));
    EXPECT_EQ(ColourOf(kRed), QColor(255, 0, 0));
    EXPECT_EQ(ColourOf(kMagenta), QColor(255, 0, 255));
    EXPECT_EQ(ColourOf(0x123456), QColor(0x56, 0x34, 0x12));
}

TEST(AppendColouredText, AppendsEachTextInItsColourInSongNinePoint) {
    QTextEdit box;
    AppendColouredText(&box, "名字总分：90\r\n", kRed);
    AppendColouredText(&box, "姓名：张伟\r\n", kBlue);
    EXPECT_EQ(box.toPlainText(), "名字总分：90\n姓名：张伟\n");

    QTextCharFormat first = FormatAt(box, 0);
    QTextCharFormat second = FormatAt(box, box.document()->findBlockByNumber(1).position());
    EXPECT_EQ(first.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(second.foreground().color(), QColor(0, 0, 255));
    for (const QTextCharFormat& format : {first, second}) {
        EXPECT_TRUE(format.fontFamilies().toStringList().contains("宋体"));
        EXPECT_EQ(format.fontPointSize(), 9);
    }
}

TEST(ShowColouredLines, ReplacesWhatTheBoxHeld) {
    QTextEdit box;
    box.setPlainText("old report");
    ShowColouredLines(&box, {{"a\r\n\r\n", kBlue}, {"b", kMagenta}});
    EXPECT_EQ(box.toPlainText(), "a\n\nb");
    EXPECT_EQ(FormatAt(box, 3).foreground().color(), QColor(255, 0, 255));
}

TEST(ShowColouredLines, ShowsALongTextFromItsFirstLine) {
    QTextEdit box;
    box.resize(200, 100);
    // Shown only afterwards, as the report's page is after a double-click.
    ShowColouredLines(&box, std::vector<ColouredLine>(100, {"line\r\n", kBlue}));
    box.show();
    QCoreApplication::processEvents();
    ASSERT_GT(box.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(box.verticalScrollBar()->value(), 0);
}

}  // namespace
}  // namespace velorin::ui
