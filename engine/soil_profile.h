// p-y layers below the excavation level and the depth profiles the p-y
// models read. Depths are measured downward from the excavation surface.
#pragma once

#include "engine/limits.h"

namespace keldra {

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
    int NWT;  // effective unit weight profile
    double ZWT[kMaxWeightPoints + 1], GWT[kMaxWeightPoints + 1];
    int NSP;  // strength profile
    double ZSP[kMaxStrengthPoints + 1], SSP[kMaxStrengthPoints + 1], PHSP[kMaxStrengthPoints + 1];
    double E50SP[kMaxStrengthPoints + 1], P5SP[kMaxStrengthPoints + 1];
    int NSTA;  // five stations per p-y layer
    double XSTA[5 * kMaxPyLayers + 1];
};

}  // namespace keldra
