#pragma once
// A main window on the offscreen platform with a recording desktop, and the
// means to reach its controls by the names of the window's form.
#include <gtest/gtest.h>

#include "app/SharedState.h"
#include "ui/MainWindow.h"
#include "RecordingDesktop.h"

namespace velorin::ui {

struct MainWindowHarness {
    template <class Control>
    Control* Find(const char* name) {
        auto* control = window.findChild<Control*>(QString::fromUtf8(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    app::SharedState state;
    RecordingDesktop desktop;
    MainWindow window{state, desktop};
};

}  // namespace velorin::ui
