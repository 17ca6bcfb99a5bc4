#pragma once
// Builders of the controls of the main window's pages. Every control carries
// the name it has in the window's form as its object name, which is how the
// rest of the program and the tests find it.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace velorin::ui {

QLabel* MakeLabel(const char* name, const QString& caption);
// An edit box wide enough for `characters` characters of the widest kind it
// will hold, in whatever font is in use.
QLineEdit* MakeEdit(const char* name, const QString& text, int characters);
QComboBox* MakeCombo(const char* name, const QStringList& items, const QString& current);
QCheckBox* MakeCheckBox(const char* name, const QString& caption, bool checked);
QPushButton* MakeButton(const char* name, const QString& caption);

}  // namespace velorin::ui
