// The option switches, result graphs and limits the main window's commands
// refer to.
#pragma once

// Option switches with a check item in the Options menu, in menu order.
enum class TSwitch {
    GeneratePyCurves,
    ConcentratedLoads,
    Tieback,
    Restraints,
    ExternalPyCurves,
    LateralSprings,
    PyModification,
    AdditionalSurcharge,
    MomentEICurves,
};
inline constexpr int kSwitchCount = 9;

// The result graphs, in Graphics menu order.
enum class TGraph {
    PyCurves,
    Deflection,
    Moment,
    Shear,
    Reaction,
    EarthPressure,
    PressureCombined
};
inline constexpr int kGraphCount = 7;

inline constexpr int kMaxStages = 5;
inline constexpr int kRecentFileCount = 10;
