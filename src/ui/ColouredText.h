#pragma once
#include <QTextEdit>

#include <cstdint>
#include <string>
#include <vector>

#include "evaluation/EvaluationReport.h"

namespace velorin::ui {

// Appends a text at the end of a rich edit box in 宋体 9 pt, in a colour
// given as 0x00BBGGRR.
void AppendColouredText(QTextEdit* box, const std::string& text, std::uint32_t colour);

// Replaces the box's content by the lines.
void ShowColouredLines(QTextEdit* box, const std::vector<ColouredLine>& lines);

}  // namespace velorin::ui
