#pragma once
// Coloured text in a rich edit box, the way the report and the birth-chart
// window write their lines.
#include <QColor>
#include <QTextEdit>

#include <cstdint>
#include <string>
#include <vector>

#include "evaluation/ColouredLine.h"

namespace velorin::ui {

// A colour given as 0x00BBGGRR (0xFF0000 is blue, 0x0000FF red).
QColor ColourOf(std::uint32_t bbggrr);

// Appends a text at the end of a rich edit box in 宋体 9 pt, in a colour
// given as 0x00BBGGRR; its "\r\n" become line breaks.
void AppendColouredText(QTextEdit* box, const std::string& text, std::uint32_t colour);

// Replaces the box's content by the lines, shown from the first.
void ShowColouredLines(QTextEdit* box, const std::vector<ColouredLine>& lines);

}  // namespace velorin::ui
