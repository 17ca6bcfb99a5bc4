#pragma once
// The three small windows that the toolbar opens as modal dialogs. Each
// opening builds a new window. The Create* functions build it without
// showing it (tests and the screenshot tool use them); Open* runs it modally.
#include <QDialog>

#include <memory>

#include "platform/DateTime.h"

namespace velorin::ui {

std::unique_ptr<QDialog> CreateElementQueryWindow(QWidget* parent);
std::unique_ptr<QDialog> CreateStarSignWindow(QWidget* parent);
std::unique_ptr<QDialog> CreateBirthChartWindow(QWidget* parent, const DateTime& chartMoment);

void OpenElementQueryWindow(QWidget* parent);
void OpenStarSignWindow(QWidget* parent);
void OpenBirthChartWindow(QWidget* parent, const DateTime& chartMoment);

}  // namespace velorin::ui
