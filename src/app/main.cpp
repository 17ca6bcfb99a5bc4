#include <QApplication>

#include "app/SharedState.h"
#include "ui/MainWindow.h"
#include "ui/SystemDesktop.h"

// The state every window shares lives here, from start-up until the main
// window closes and the program ends.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    velorin::app::SharedState state;
    velorin::ui::SystemDesktop desktop;
    velorin::ui::MainWindow window(state, desktop);
    window.show();
    return application.exec();
}
