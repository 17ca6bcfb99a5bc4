#pragma once
// Stands in for the desktop in window tests: records what the windows ask
// of it instead of blocking on message boxes and dialogs or starting a browser.
#include <QDialog>

#include <functional>
#include <vector>

#include "ui/Desktop.h"

namespace velorin::ui {

struct RecordedMessage {
    QString text;
    MessageIcon icon;
    friend bool operator==(const RecordedMessage&, const RecordedMessage&) = default;
};

class RecordingDesktop final : public Desktop {
public:
    void ShowMessage(QWidget*, const QString& text, MessageIcon icon) override { messages.push_back({text, icon}); }
    void OpenWebPage(const QUrl& address) override { pages.push_back(address); }
    void RunModal(QDialog& dialog) override {
        dialogTitles.push_back(dialog.windowTitle());
        if (whileModal) whileModal(dialog);
    }

    std::vector<RecordedMessage> messages;
    std::vector<QUrl> pages;
    std::vector<QString> dialogTitles;
    // Runs while a dialog is "open", for tests that look inside it.
    std::function<void(QDialog&)> whileModal;
};

}  // namespace velorin::ui
