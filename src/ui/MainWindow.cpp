#include "ui/MainWindow.h"

namespace velorin::ui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainWindow");
    setWindowTitle("Velorin v27.0");
    resize(769, 570);
}

}  // namespace velorin::ui
