// Fixed storage sizes of the engine. Every count read from a project data
// file is checked against these before anything is stored.
#pragma once

namespace keldra {

inline constexpr int kMaxIncrements = 407;                     // NINC + 7 <= kStationSlots
inline constexpr int kStationSlots = kMaxIncrements + 7;       // indices 1 .. NINC + 7
inline constexpr int kStationOffset = 4;                       // station i lives at index i + 4
inline constexpr int kMaxSpecified = 20;                       // A4 rows
inline constexpr int kMaxCouples = 50;                         // shear-correction rows
inline constexpr int kMaxCurves = 63;                          // p-y curve store
inline constexpr int kMaxCurvePoints = 34;                     // points per stored curve
inline constexpr int kMaxPressurePoints = 2000;                // earth-pressure table
inline constexpr int kMaxPyModRows = 50;                       // A9 rows
inline constexpr int kMaxMomentEiSets = 20;                    // A13 sets
inline constexpr int kMaxMomentEiPoints = 100;                 // points per A13 set
inline constexpr int kMaxResultRows = 2000;                    // rows held for the plot-data file
inline constexpr int kMaxSoilLayers = 10;                      // A11d layers
inline constexpr int kMaxSurcharges = 20;                      // A11c rows
inline constexpr int kMaxPyLayers = kMaxSoilLayers;            // p-y layers below the excavation
inline constexpr int kMaxWeightPoints = 2 * kMaxPyLayers + 2;  // effective unit weight profile
inline constexpr int kMaxStrengthPoints = 2 * kMaxPyLayers;    // strength profile
inline constexpr int kPathLength = 255;
inline constexpr int kVersionLength = 12;
inline constexpr int kTitleLength = 70;

}  // namespace keldra
