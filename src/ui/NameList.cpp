#include "ui/NameList.h"

#include <QEvent>
#include <QHeaderView>

namespace velorin::ui {

namespace {

constexpr int kSurnameRole = Qt::UserRole;
constexpr int kGivenNameRole = Qt::UserRole + 1;

}  // namespace

NameList::NameList(const char* name, QWidget* parent) : QTableWidget(0, 1, parent) {
    setObjectName(QString::fromUtf8(name));
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FitRowsToFont();
    setShowGrid(false);
    setWordWrap(false);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
}

int NameList::AddName(const QString& caption, const QString& surname, const QString& givenName) {
    const int row = rowCount();
    insertRow(row);
    auto* cell = new QTableWidgetItem(caption);
    cell->setData(kSurnameRole, surname);
    cell->setData(kGivenNameRole, givenName);
    setItem(row, 0, cell);
    return row;
}

void NameList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) FitRowsToFont();
    QTableWidget::changeEvent(event);
}

void NameList::FitRowsToFont() {
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

QString NameList::Caption(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    return cell ? cell->text() : QString();
}

QString NameList::Surname(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    return cell ? cell->data(kSurnameRole).toString() : QString();
}

QString NameList::GivenName(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    return cell ? cell->data(kGivenNameRole).toString() : QString();
}

QStringList NameList::Captions() const {
    QStringList captions;
    for (int row = 0; row < rowCount(); ++row) captions << Caption(row);
    return captions;
}

}  // namespace velorin::ui
