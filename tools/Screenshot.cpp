// Saves a PNG of every page of the main window and of each small window into
// the folder given as the argument, drawn on the offscreen platform:
// main-window.png (the naming page after a run), evaluation-page.png (the
// report of the run's first candidate), number-table-page.png,
// three-talents-page.png, help-page.png, element-query-window.png,
// star-sign-window.png and birth-chart-window.png (the chart of the run).
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>

#include <cstdio>

#include "app/SharedState.h"
#include "ui/Desktop.h"
#include "ui/MainWindow.h"
#include "ui/NameList.h"

namespace {

using velorin::ui::MessageIcon;

// Saves a picture of each dialog the toolbar opens instead of waiting for
// the user to close it; messages and web pages go nowhere.
class PictureDesktop final : public velorin::ui::Desktop {
public:
    explicit PictureDesktop(const QDir& folder) : folder_(folder) {}
    void ShowMessage(QWidget*, const QString& text, MessageIcon) override {
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    }
    void OpenWebPage(const QUrl&) override {}
    void RunModal(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        Save(dialog, nextDialogFile);
        dialog.close();
    }

    bool Save(QWidget& widget, const QString& fileName) {
        const bool saved = widget.grab().save(folder_.filePath(fileName));
        std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(folder_.filePath(fileName)));
        allSaved_ = allSaved_ && saved;
        return saved;
    }
    bool AllSaved() const { return allSaved_; }

    QString nextDialogFile;

private:
    QDir folder_;
    bool allSaved_ = true;
};

template <class Control>
Control* Find(QWidget& window, const char* name) {
    return window.findChild<Control*>(QString::fromUtf8(name));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
        return 1;
    }

    velorin::app::SharedState state;
    PictureDesktop desktop(folder);
    velorin::ui::MainWindow window(state, desktop);
    window.show();
    QApplication::processEvents();

    auto* toolbar = Find<QToolBar>(window, "工具条1");
    auto* pages = Find<QTabWidget>(window, "选择夹1");
    auto openWindow = [&](int button, const char* fileName) {
        desktop.nextDialogFile = fileName;
        toolbar->actions().at(button)->trigger();
    };
    auto savePage = [&](int button, const char* fileName) {
        toolbar->actions().at(button)->trigger();
        QApplication::processEvents();
        desktop.Save(window, fileName);
    };

    // Asking for the birth chart first makes the run record its moment.
    state.chartRequested = true;
    Find<QPushButton>(window, "按钮1")->click();
    savePage(0, "main-window.png");

    auto* candidates = Find<velorin::ui::NameList>(window, "列表框1");
    if (candidates->Count() > 0) {
        Find<QLineEdit>(window, "编辑框_性2")->setText(candidates->Surname(0));
        Find<QLineEdit>(window, "编辑框_名2")->setText(candidates->GivenName(0));
        for (auto [from, to] : {std::pair{"编辑框7", "编辑框2"}, {"编辑框8", "编辑框3"}, {"编辑框9", "编辑框5"},
                                {"编辑框11", "编辑框12"}, {"编辑框10", "编辑框13"}})
            Find<QLineEdit>(window, to)->setText(Find<QLineEdit>(window, from)->text());
        Find<QPushButton>(window, "按钮_分析")->click();
    }
    savePage(1, "evaluation-page.png");
    savePage(2, "number-table-page.png");
    savePage(3, "three-talents-page.png");
    savePage(7, "help-page.png");
    pages->setCurrentIndex(0);

    openWindow(4, "element-query-window.png");
    openWindow(5, "star-sign-window.png");
    openWindow(6, "birth-chart-window.png");
    return desktop.AllSaved() ? 0 : 1;
}
