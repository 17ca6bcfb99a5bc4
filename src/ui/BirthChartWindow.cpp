// The birth-chart window: the chart of the moment the latest generation run
// stored, written once when the window is made.
#include <QVBoxLayout>

#include "evaluation/BirthChartLines.h"
#include "ui/ColouredText.h"
#include "ui/SmallWindows.h"

namespace velorin::ui {

std::unique_ptr<QDialog> CreateBirthChartWindow(QWidget* parent, const DateTime& chartMoment) {
    auto window = std::make_unique<QDialog>(parent);
    window->setObjectName(QStringLiteral("BirthChartWindow"));
    window->setWindowTitle(QStringLiteral("皮肤"));
    window->resize(486, 356);

    auto* box = new QTextEdit;
    box->setObjectName(QStringLiteral("生辰八字超级编辑框"));
    box->setReadOnly(true);
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(box);

    BirthChartLines chart = BirthChartLinesOf(chartMoment);
    for (const std::string& line : chart.calendar) AppendColouredText(box, line, kBlue);
    for (const std::string& line : chart.balanceLines) AppendColouredText(box, line, kBlue);
    return window;
}

}  // namespace velorin::ui
