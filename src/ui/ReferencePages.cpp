#include "ui/ReferencePages.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "embedded/HelpText.h"
#include "embedded/ThreeTalentsText.h"
#include "lookups/Number81Table.h"

namespace velorin::ui {

namespace {

struct Column {
    const char* title;
    int width;
};

constexpr Column kNumberTableColumns[] = {{"数理", 80},  {"吉凶", 70},  {"基业", 150},
                                          {"家庭", 150}, {"健康", 150}, {"含义", 250}};

QWidget* PageHolding(QWidget* content) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(content);
    return page;
}

QWidget* TextPage(const char* name, std::string_view text) {
    auto* box = new QPlainTextEdit;
    box->setObjectName(QString::fromUtf8(name));
    box->setReadOnly(true);
    // The carried texts break lines with "\r\n"; the box wants "\n".
    box->setPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).replace("\r\n", "\n"));
    return PageHolding(box);
}

}  // namespace

// Row k holds number k + 1, its columns the six fields of that number, in
// the order the carried table gives them.
QWidget* BuildNumberTablePage() {
    auto* list = new QTreeWidget;
    list->setObjectName("超级列表框81");
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setColumnCount(std::size(kNumberTableColumns));
    QStringList titles;
    for (const Column& column : kNumberTableColumns) titles << column.title;
    list->setHeaderLabels(titles);
    for (int column = 0; column < list->columnCount(); ++column)
        list->setColumnWidth(column, kNumberTableColumns[column].width);

    const Number81Table& table = Number81Table::Carried();
    for (int number = 1; number <= table.Count(); ++number) {
        auto* item = new QTreeWidgetItem(list);
        const Number81Table::Row& cells = table.Cells(number);
        for (int column = 0; column < list->columnCount(); ++column) {
            const QString cell = QString::fromStdString(cells[static_cast<std::size_t>(column)]);
            item->setText(column, cell);
            item->setToolTip(column, cell);
        }
    }
    return PageHolding(list);
}

QWidget* BuildThreeTalentsPage() {
    return TextPage("编辑框6", embedded::ThreeTalentsText());
}

QWidget* BuildHelpPage() {
    return TextPage("编辑框4", embedded::HelpText());
}

}  // namespace velorin::ui
