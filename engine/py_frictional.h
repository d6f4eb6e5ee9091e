// The frictional resistance shared by sand and silt: a wedge near the surface,
// flow around the wall deeper down, and the passive value of a continuous wall.
#pragma once

#include <optional>
#include <string_view>

#include "engine/py_model.h"

namespace keldra {

struct FrictionAngles {
    double phi;    // friction angle, radians
    double alpha;  // phi / 2
    double beta;   // pi/4 + phi/2
    double K0;     // at-rest coefficient, 0.4
    double Ka, Kp;
};

// The angle set of a friction angle, with the model's value of pi.
[[nodiscard]] FrictionAngles AnglesOf(double phi, double pi);

struct FrictionalResistance {
    double pst;  // wedge failure
    double psd;  // flow around the wall
    double ps;   // the smaller
};

// Ultimate frictional resistance at depth X for width b and unit weight gamma'.
[[nodiscard]] FrictionalResistance FrictionalResistanceAt(const FrictionAngles& a, double b,
                                                          double gamma, double X);

// Passive resistance of a continuous wall at X0 below the side's ground
// surface, with the wall friction angle delta.
[[nodiscard]] double ContinuousWallResistance(const FrictionAngles& a, double delta, double b,
                                              double gamma, double X0);

// The soil of a layer whose equivalent depth is sought.
struct EquivalentDepthSoil {
    FrictionAngles angles;
    double b, gamma;
    double c;       // cohesion (silt); 0 for sand
    bool cohesive;  // silt adds its cohesive resistance
    int steps;      // of the integration down to the wedge depth xr
    double X0;      // the station's depth below the excavation level
};

// Depth at which the layer's own resistance, summed from the surface, reaches
// S. Empty when the layer's soil cannot accumulate S (no wedge depth, or no
// resistance to extend it below that depth).
[[nodiscard]] std::optional<double> FrictionalEquivalentDepth(const EquivalentDepthSoil& soil,
                                                              double S);

// The equivalent depth XEQ of the layer at its first station st; a soil that
// cannot accumulate S stops the run with noDepthText and the station's depth.
[[nodiscard]] Step EquivalentDepthOrStop(PyRun& run, const StationSide& st,
                                         const EquivalentDepthSoil& soil, double S,
                                         std::string_view noDepthText, double& XEQ);

}  // namespace keldra
