#pragma once
// What the windows share while the program runs. One object, made at
// start-up and handed to every window that reads or writes it.
#include <string>
#include <string_view>

#include "birthchart/ElementBalance.h"
#include "platform/DateTime.h"
#include "platform/System.h"

namespace velorin::app {

struct SharedState {
    // Empty until the main window is created; it fills it once.
    CycleElementTable cycleElementTable{std::string_view{}};
    // Set once the birth-chart window has been asked for; from then on every
    // generation run records its birth moment for that window.
    bool chartRequested = false;
    DateTime chartMoment;
    // A generation run has started with the fixed character ticked: the score
    // of a generated row then stands over the report's own score.
    bool fixedCharacterUsed = false;
    // Where every generation run reads the character libraries zm.fne and
    // zw.fne: the program's own directory.
    std::string libraryDirectory = RunDirectory();
};

}  // namespace velorin::app
