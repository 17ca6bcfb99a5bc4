#pragma once
// The result list 超级列表框1 and the candidate list 列表框1: one caption a
// row ("张浩然[86分]"), each row remembering the surname and given name it
// was made from.
//
// A table of one column rather than a list view: appending a row and
// scrolling to it cost the same however long the list is, where a list view
// lays out every row again, and a run appends thousands of rows.
#include <QStringList>
#include <QTableWidget>

namespace velorin::ui {

class NameList : public QTableWidget {
    Q_OBJECT
public:
    explicit NameList(const char* name, QWidget* parent = nullptr);

    // The new row's index.
    int AddName(const QString& caption, const QString& surname = {}, const QString& givenName = {});
    void Clear() { setRowCount(0); }
    int Count() const { return rowCount(); }

    QString Caption(int row) const;
    QString Surname(int row) const;
    QString GivenName(int row) const;
    QStringList Captions() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void FitRowsToFont();
};

}  // namespace velorin::ui
