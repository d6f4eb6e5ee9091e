// p-y layers below the excavation level and the depth profiles the p-y
// models read. Depths are measured downward from the excavation surface.
// Tables are 1-based like the rest of the engine state.
#pragma once

#include <optional>

#include "engine/limits.h"

namespace keldra {

struct SoilBlock;
struct WallGrid;

struct PyLayer {
    int KSOIL;          // soil type of the input layer
    double XTOP, XBOT;  // below the excavation level
    double AKPY;        // value 5 at the layer top (k, or Er for weak rock)
    double RACC;        // accumulated ultimate resistance (set by the p-y models)
    double XEQ;         // equivalent depth (0 for layer 1)
};

struct SoilProfile {
    int NPY;
    PyLayer layer[kMaxPyLayers + 1];
    int NWT;        // effective unit weight profile
    int NWTLAYERS;  // its points before the two points below a water table in the last layer
    double ZWT[kMaxWeightPoints + 1], GWT[kMaxWeightPoints + 1];
    int NSP;  // strength profile, two points per p-y layer
    double ZSP[kMaxStrengthPoints + 1], SSP[kMaxStrengthPoints + 1], PHSP[kMaxStrengthPoints + 1];
    double E50SP[kMaxStrengthPoints + 1], P5SP[kMaxStrengthPoints + 1];
    int NSTA;  // five stations per p-y layer: 5n-4 .. 5n belong to layer n
    double XSTA[5 * kMaxPyLayers + 1];
};

// Builds the p-y layers, both profiles and the stations from the soil layers
// of the input: the parts below the excavation level (HFREE), cut at the wall
// tip plus two increments. GAMW is the unit weight of water; `si` selects the
// station offset of 0.01 instead of 0.1 from the layer boundaries.
void BuildSoilProfile(const SoilBlock& soil, const WallGrid& grid, double GAMW, bool si,
                      SoilProfile& out);

// Piecewise-linear lookups in the strength profile at depth x below the
// excavation level. At a step (two points at one depth) STRENGTHAT takes the
// deeper layer's value, the others the mean of both. Empty results mean x lies
// beyond the profile; E50AT and P5AT then return the last value.
[[nodiscard]] std::optional<double> STRENGTHAT(const SoilProfile& p, double x);
[[nodiscard]] std::optional<double> PHIAT(const SoilProfile& p, double x);  // radians
[[nodiscard]] double E50AT(const SoilProfile& p, double x);
[[nodiscard]] double P5AT(const SoilProfile& p, double x);

// Average effective unit weight from the excavation level down to x; empty
// when x lies beyond the unit weight profile.
[[nodiscard]] std::optional<double> GAMAVG(const SoilProfile& p, double x);

// Average strength from the top of p-y layer n down to x (value 2 of the
// layer, linear over it). `beyond` tells that x lies below the strength profile
// (the value is still interpolated). An empty value comes from STRENGTHAT.
struct LayerAverage {
    std::optional<double> value;
    bool beyond;
};
[[nodiscard]] LayerAverage CAVGAT(const SoilProfile& p, int n, double x);

}  // namespace keldra
