// Placeholder until the report display lands.
#include "ui/ColouredText.h"

namespace velorin::ui {

void AppendColouredText(QTextEdit* box, const std::string& text, std::uint32_t) {
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(QString::fromStdString(text));
}

void ShowColouredLines(QTextEdit* box, const std::vector<ColouredLine>& lines) {
    box->clear();
    for (const auto& line : lines) AppendColouredText(box, line.text, line.colour);
}

}  // namespace velorin::ui
