#pragma once
// The three reference pages: the 81-number table, the three-talents text and
// the help text. They are filled once and only read afterwards.
#include <QWidget>

namespace velorin::ui {

QWidget* BuildNumberTablePage();
QWidget* BuildThreeTalentsPage();
QWidget* BuildHelpPage();

}  // namespace velorin::ui
