// Soil blocks for the earth-pressure tests: layers given by type, depth to
// the bottom and the top values unit weight, cohesion and friction angle.
#pragma once

#include "engine/state.h"

namespace keldra::testing {

enum SoilType { kSoftClay = 1, kSand = 4 };

inline void AddLayer(SoilBlock& soil, int type, double depth, double gamma, double c, double phi) {
    SoilLayerInput& layer = soil.layer[++soil.NSOIL];
    layer.type = type;
    layer.thickness = depth - (soil.NSOIL > 1 ? soil.layer[soil.NSOIL - 1].depth : 0);
    layer.depth = depth;
    layer.top[1] = layer.bottom[1] = gamma;
    layer.top[2] = layer.bottom[2] = c;
    layer.top[3] = layer.bottom[3] = phi;
}

// English units: 0.0625 pci is 108 pcf.
inline constexpr double kSandWeight = 0.0625;
inline constexpr double kSandPhi = 30;
inline constexpr double kWater = 0.036;

// A soil block with the water table deep below everything, FMOD = 1.
inline SoilBlock DrySoil() {
    SoilBlock soil{};
    soil.ZWB = soil.ZWE = 1e6;
    soil.FMOD = 1;
    return soil;
}

}  // namespace keldra::testing
