#include "engine/py_run.h"

#include "engine/fixed_line.h"
#include "engine/run_stop.h"
#include "engine/soil_profile.h"

namespace keldra {

namespace {

void BeyondWarning(double x, const char* extent, const char* curve) {
    std::fprintf(stderr, " **** WARNING ****\n THE VALUE OF X = %14.6E %s\n %s\n", x, extent,
                 curve);
}

}  // namespace

double PyRun::WIDTHAT(double) const { return s_.soil.WP; }

double PyRun::STRENGTHAT(double x) {
    if (const auto value = keldra::STRENGTHAT(s_.profile, x)) return *value;
    for (int k = 0; k < 2; ++k)
        BeyondWarning(x, "IS BEYOND THE EXTENT OF", "THE INPUT STRENGTH CURVE");
    (void)Stop("     ERROR STOP -- DEPTH BELOW THE STRENGTH PROFILE OF THE SOIL LAYERS");
    return 0.0;
}

double PyRun::PHIAT(double x) {
    if (const auto value = keldra::PHIAT(s_.profile, x)) return *value;
    BeyondWarning(x, "IS BEYOND THE EXTENT OF", "THE INPUT PHI CURVE");
    (void)Stop("     ERROR STOP -- DEPTH BELOW THE FRICTION ANGLE PROFILE OF THE SOIL LAYERS");
    return 0.0;
}

double PyRun::E50AT(double x) const { return keldra::E50AT(s_.profile, x); }

double PyRun::P5AT(double x) const { return keldra::P5AT(s_.profile, x); }

double PyRun::GAMAVG(double x) {
    if (const auto value = keldra::GAMAVG(s_.profile, x)) return *value;
    (void)Stop("     ERROR STOP -- DEPTH BELOW THE UNIT WEIGHT PROFILE OF THE SOIL LAYERS");
    return 0.0;
}

double PyRun::CAVGAT(int n, double x) {
    const LayerAverage average = keldra::CAVGAT(s_.profile, n, x);
    if (average.beyond) {
        BeyondWarning(x, "IS BEYOND THE EXTENT OF THE", "INPUT CURVE FOR STRENGTH");
    }
    if (average.value) return *average.value;
    return STRENGTHAT(x);  // beyond the profile: warns and stops
}

Step PyRun::Stop(std::string_view reportLine) {
    if (!stopped_) (void)StopRun(s_, reportLine);
    stopped_ = true;
    return Step::kStop;
}

Step PyRun::StopAt(std::string_view text, double depth) {
    const FixedLine line = FixedLine().Text(text).F(10, 2, depth);
    return Stop(line.View());
}

Step PyRun::Require(const Quantity& q, Bound bound, double value, double depth) {
    if (Satisfies(bound, value)) return Step::kContinue;
    const FixedLine place = FixedLine().Text(" AT X =").F(10, 2, depth);
    return Stop(OutOfBoundLine(q, bound, value, place.View()).View());
}

}  // namespace keldra
