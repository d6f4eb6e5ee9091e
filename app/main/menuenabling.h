// Which commands of the main window are available in a given state of the
// project and its result files.
#pragma once

#include <array>

#include "app/main/mainactions.h"

struct TEnablingState {
    std::array<bool, kSwitchCount> switches{};
    bool shortAndLongTerm = false;
    bool generatedEarthPressure = false;  // a file with generated earth pressure was read
    int earthPressure = 2;                // 1 user-specified, 2 triangular, 3 trapezoidal
    int unitSystem = 1;                   // 1 English, 2 SI, 3 generic
    int stageCount = 1;
    int currentStage = 1;

    bool inputFileExists = false;  // the project data file
    bool runNotesExist = false;    // .kd5r
    bool reportExists = false;     // .kd5o
    bool plotDataExists = false;   // .kd5p
    bool resultsLoaded = false;
    std::array<bool, kGraphCount> graphHasCurves{};  // a curve with more than one point

    [[nodiscard]] bool switchOn(TSwitch s) const { return switches[static_cast<int>(s)]; }
};

// Enables, checks and shows the actions for `state`. The menu layout for the
// short- and long-term option (which submenus are shown) is the window's.
void applyEnabling(const TMainActions& actions, const TEnablingState& state);
