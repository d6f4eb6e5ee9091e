// Every command of the main window as a QAction: the menus and the tool bar
// share them, so a command has one caption, one shortcut, one hint and one
// enabled state.
#pragma once

#include <array>

#include "app/main/switches.h"

class QAction;
class QActionGroup;
class QObject;

struct TMainActions {
    // File
    QAction* fileNew;
    QAction* fileOpen;
    QAction* fileSave;
    QAction* fileSaveAs;
    QAction* exportReport;
    std::array<QAction*, kRecentFileCount> recentFiles;
    QAction* fileExit;

    // Data
    QAction* title;
    QAction* wallProperties;
    QAction* wallConfiguration;
    QAction* soilLayers;
    QAction* soilLayersShortTerm;
    QAction* soilLayersLongTerm;
    QAction* distributedLoad;
    QAction* distributedLoadShortTerm;
    QAction* distributedLoadLongTerm;
    QAction* surcharge;
    QAction* concentratedLoads;
    QAction* tieback;
    QAction* restraints;
    QAction* pyModification;
    QAction* externalPyCurves;
    QAction* lateralSprings;
    QAction* momentEICurves;

    // Options
    std::array<QAction*, 3> units;          // unit systems 1..3
    std::array<QAction*, 3> earthPressure;  // earth-pressure selections 1..3
    QActionGroup* unitsGroup;
    QActionGroup* earthPressureGroup;
    std::array<QAction*, kSwitchCount> switches;
    QAction* shortAndLongTerm;
    QAction* stagedConstruction;
    QAction* textEditorOption;

    // Stage Construction (shared with the five stage tool buttons)
    std::array<QAction*, kMaxStages> stages;
    QActionGroup* stageGroup;
    QAction* copyPreviousStage;

    // Computation
    QAction* runAnalysis;
    QAction* subdivisionCheck;
    QAction* editInput;
    QAction* editRunNotes;
    QAction* editOutput;
    QAction* viewWallGeometry;
    QAction* view3D;
    QAction* resultsSummary;
    QAction* designStudies;

    // Graphics
    std::array<QAction*, kGraphCount> graphs;
    QAction* deflectionMomentShear;
    QAction* exportPlots;

    // Window
    QAction* cascade;
    QAction* arrangeIcons;

    // Help
    QAction* helpContents;
    QAction* about;

    // Tool buttons that differ from their menu entry
    QAction* soilLayersButton;          // disabled instead of hidden with short/long term
    QAction* stagedConstructionButton;  // opens the window as a child window
    QAction* viewOutputButton;          // the report in the editor
};

// Creates the actions with their captions, shortcuts, hints and icons;
// `owner` owns them.
[[nodiscard]] TMainActions createMainActions(QObject* owner);

[[nodiscard]] inline QAction* switchAction(const TMainActions& a, TSwitch s) {
    return a.switches[static_cast<int>(s)];
}
[[nodiscard]] inline QAction* graphAction(const TMainActions& a, TGraph g) {
    return a.graphs[static_cast<int>(g)];
}
