#pragma once
#include <QMainWindow>

namespace velorin::ui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace velorin::ui
