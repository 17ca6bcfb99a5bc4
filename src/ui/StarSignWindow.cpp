// The star-sign window: the sign of any month and day.
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "evaluation/StarSign.h"
#include "text/IntegerText.h"
#include "ui/FormControls.h"
#include "ui/SmallWindows.h"

namespace velorin::ui {

namespace {

QStringList Numbers(int last) {
    QStringList numbers;
    for (int n = 1; n <= last; ++n) numbers << QString::number(n);
    return numbers;
}

int NumberIn(const QComboBox* box) { return text::TextToInteger(box->currentText().toStdString()); }

}  // namespace

std::unique_ptr<QDialog> CreateStarSignWindow(QWidget* parent) {
    auto window = std::make_unique<QDialog>(parent);
    window->setObjectName(QStringLiteral("StarSignWindow"));
    window->setWindowTitle(QStringLiteral("星座查询"));
    window->resize(203, 270);

    auto* month = MakeCombo("组合框1", Numbers(12), "1");
    auto* day = MakeCombo("组合框2", Numbers(31), "1");
    auto* result = MakeLabel("标签1", {});
    result->setWordWrap(true);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* query = MakeButton("按钮1", "查询");

    // The caption "月 … 日" is split around the two boxes that stand on it.
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(month);
    dateRow->addWidget(MakeLabel("标签2", "月"));
    dateRow->addWidget(day);
    dateRow->addWidget(MakeLabel("标签2_日", "日"));
    dateRow->addStretch();
    auto* layout = new QVBoxLayout(window.get());
    layout->addLayout(dateRow);
    layout->addWidget(result, 1);
    layout->addWidget(query);

    QObject::connect(query, &QPushButton::clicked, result, [month, day, result] {
        result->setText(QString::fromStdString(StarSignOf(NumberIn(month), NumberIn(day)))
                            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    });
    return window;
}

}  // namespace velorin::ui
