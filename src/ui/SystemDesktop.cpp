#include "ui/SystemDesktop.h"

#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>

namespace velorin::ui {

void SystemDesktop::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    QStringLiteral("信息："), text, QMessageBox::Ok, parent);
    box.exec();
}

void SystemDesktop::OpenWebPage(const QUrl& address) {
    QDesktopServices::openUrl(address);
}

void SystemDesktop::RunModal(QDialog& dialog) {
    dialog.exec();
}

}  // namespace velorin::ui
