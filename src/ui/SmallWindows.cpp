// Placeholder until the small windows land.
#include "ui/SmallWindows.h"

namespace velorin::ui {

namespace {

std::unique_ptr<QDialog> Placeholder(QWidget* parent, const char* title) {
    auto dialog = std::make_unique<QDialog>(parent);
    dialog->setWindowTitle(QString::fromUtf8(title));
    return dialog;
}

}  // namespace

std::unique_ptr<QDialog> CreateElementQueryWindow(QWidget* parent) { return Placeholder(parent, "汉字五行查询"); }
std::unique_ptr<QDialog> CreateStarSignWindow(QWidget* parent) { return Placeholder(parent, "星座查询"); }
std::unique_ptr<QDialog> CreateBirthChartWindow(QWidget* parent, const DateTime&) {
    return Placeholder(parent, "皮肤");
}

void OpenElementQueryWindow(QWidget* parent) { CreateElementQueryWindow(parent)->exec(); }
void OpenStarSignWindow(QWidget* parent) { CreateStarSignWindow(parent)->exec(); }
void OpenBirthChartWindow(QWidget* parent, const DateTime& chartMoment) {
    CreateBirthChartWindow(parent, chartMoment)->exec();
}

}  // namespace velorin::ui
