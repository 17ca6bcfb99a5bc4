#include "ui/MainWindow.h"

#include <gtest/gtest.h>

TEST(MainWindow, HasItsNameAndCaption) {
    velorin::ui::MainWindow window;
    EXPECT_EQ(window.objectName(), "MainWindow");
    EXPECT_EQ(window.windowTitle(), "Velorin v27.0");
}
