// The element query window: the element that a character carries by its
// pronunciation.
#include <QGridLayout>

#include "lookups/CharacterLookups.h"
#include "text/Utf8Text.h"
#include "ui/FormControls.h"
#include "ui/SmallWindows.h"

namespace velorin::ui {

namespace {

// Each character is looked up on its own, so a typed text never matches by
// accident inside the lists; several characters give their elements
// separated by "、", and an empty text gives nothing.
QString ElementsOf(const QString& typed) {
    QStringList elements;
    for (const std::string& character : text::Characters(text::TrimBlanks(typed.toStdString()))) {
        elements << QString::fromStdString(PronunciationElement(character));
    }
    return elements.join(QStringLiteral("、"));
}

}  // namespace

std::unique_ptr<QDialog> CreateElementQueryWindow(QWidget* parent) {
    auto window = std::make_unique<QDialog>(parent);
    window->setObjectName(QStringLiteral("ElementQueryWindow"));
    window->setWindowTitle(QStringLiteral("汉字五行查询"));
    window->resize(292, 131);

    auto* typed = MakeEdit("编辑框1", {}, 4);
    auto* query = MakeButton("按钮1", "查询");
    auto* element = MakeLabel("标签4", "木");
    auto* layout = new QGridLayout(window.get());
    layout->addWidget(MakeLabel("标签1", "请输入要查询的汉字"), 0, 0);
    layout->addWidget(typed, 0, 1);
    layout->addWidget(query, 0, 2);
    layout->addWidget(MakeLabel("标签3", "此汉字属性为："), 1, 0);
    layout->addWidget(element, 1, 1, 1, 2);
    layout->addWidget(MakeLabel("标签2", "八字喜用神是什么，取名应用相应属性补之。"), 2, 0, 1, 3);

    QObject::connect(query, &QPushButton::clicked, element,
                     [typed, element] { element->setText(ElementsOf(typed->text())); });
    return window;
}

}  // namespace velorin::ui
