#pragma once
#include "ui/Desktop.h"

namespace velorin::ui {

// The real desktop: Qt message boxes, the system's default browser and the
// dialog's own modal loop.
class SystemDesktop final : public Desktop {
public:
    void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) override;
    void OpenWebPage(const QUrl& address) override;
    void RunModal(QDialog& dialog) override;
};

}  // namespace velorin::ui
