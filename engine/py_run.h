// What the p-y models share while they generate the curves of one problem:
// the engine state, the SOILDATA file, and the profile functions with the
// warnings and stops they cause. A lookup that stops the run writes its
// warning at once, its report line on the first fault, and makes `stopped()`
// true; its value is then only a finite stand-in that no curve uses.
#pragma once

#include <string_view>

#include "engine/run_status.h"
#include "engine/state.h"
#include "engine/value_checks.h"

namespace keldra {

inline constexpr double kContinuousWallRatio = 1.100000023841858;  // RWAWP below: continuous wall

class PyRun {
  public:
    // RWAWP must be set: below 1.1 (the single-precision value) the wall is
    // continuous for every model.
    PyRun(EngineState& s, OutputFile& soildata)
        : s_(s), soildata_(soildata), continuousWall_(s.RWAWP < kContinuousWallRatio) {}

    [[nodiscard]] EngineState& state() { return s_; }
    [[nodiscard]] const SoilProfile& profile() const { return s_.profile; }
    [[nodiscard]] OutputFile& report() { return s_.files.report; }
    [[nodiscard]] OutputFile& soildata() { return soildata_; }
    [[nodiscard]] bool continuousWall() const { return continuousWall_; }

    // The profile functions at depth x below the excavation level.
    [[nodiscard]] double WIDTHAT(double x) const;
    [[nodiscard]] double STRENGTHAT(double x);
    [[nodiscard]] double PHIAT(double x);
    [[nodiscard]] double E50AT(double x) const;
    [[nodiscard]] double P5AT(double x) const;
    [[nodiscard]] double GAMAVG(double x);
    [[nodiscard]] double CAVGAT(int n, double x);

    // Ends the generation: the report line (after two empty lines) the first
    // time, then kStop.
    [[nodiscard]] Step Stop(std::string_view reportLine);
    // The same with the depth below the top of the wall (F10.2) after the text.
    [[nodiscard]] Step StopAt(std::string_view text, double depth);
    // kContinue for a value within its bound; otherwise the stop line of the
    // value with the depth below the top of the wall (" AT X =", F10.2).
    [[nodiscard]] Step Require(const Quantity& q, Bound bound, double value, double depth);
    [[nodiscard]] bool stopped() const { return stopped_; }
    // kStop once a lookup or a model has stopped the run.
    [[nodiscard]] Step status() const { return stopped_ ? Step::kStop : Step::kContinue; }

  private:
    EngineState& s_;
    OutputFile& soildata_;
    bool continuousWall_;
    bool stopped_ = false;
};

}  // namespace keldra
