#include "ui/ColouredText.h"

#include <QFont>
#include <QTextCharFormat>
#include <QTextCursor>

#include "ui/SongFont.h"

namespace velorin::ui {

QColor ColourOf(std::uint32_t bbggrr) {
    return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                  static_cast<int>((bbggrr >> 16) & 0xFF));
}

void AppendColouredText(QTextEdit* box, const std::string& text, std::uint32_t colour) {
    QTextCharFormat format;
    format.setFont(QFont(kSongFamily, 9));
    format.setForeground(ColourOf(colour));
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    // The core writes Windows line breaks; each becomes a new paragraph.
    cursor.insertText(QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), format);
}

void ShowColouredLines(QTextEdit* box, const std::vector<ColouredLine>& lines) {
    box->clear();
    for (const ColouredLine& line : lines) AppendColouredText(box, line.text, line.colour);
    // A new report is read from its first line, the score.
    box->moveCursor(QTextCursor::Start);
    box->ensureCursorVisible();
}

}  // namespace velorin::ui
