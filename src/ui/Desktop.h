#pragma once
// Everything the windows hand to the desktop outside them: message boxes,
// the web browser and modal dialogs. The windows reach them only through this
// interface, so that a test or the screenshot tool can stand in for the
// desktop and nothing ever blocks or leaves the program.
#include <QString>
#include <QUrl>

class QDialog;
class QWidget;

namespace velorin::ui {

enum class MessageIcon { None, Information };

class Desktop {
public:
    virtual ~Desktop() = default;
    // A modal message with one OK button and the caption "信息：".
    virtual void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // Opens a web page in the default browser; a failure is ignored.
    virtual void OpenWebPage(const QUrl& address) = 0;
    // Runs a dialog modally until the user closes it.
    virtual void RunModal(QDialog& dialog) = 0;
};

}  // namespace velorin::ui
