#include "ui/SmallWindows.h"

namespace velorin::ui {

void OpenElementQueryWindow(QWidget* parent) { CreateElementQueryWindow(parent)->exec(); }
void OpenStarSignWindow(QWidget* parent) { CreateStarSignWindow(parent)->exec(); }
void OpenBirthChartWindow(QWidget* parent, const DateTime& chartMoment) {
    CreateBirthChartWindow(parent, chartMoment)->exec();
}

}  // namespace velorin::ui
