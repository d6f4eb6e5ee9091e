// A problem with generated p-y curves, run through the soil data step alone
// in a scratch directory of its own (SOILDATA is written to the current
// directory), with the report and SOILDATA read back as text.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/generation.h"
#include "engine/state.h"
#include "engine_run.h"

namespace keldra::testing {

// Values 1..6 of a layer: unit weight, then by soil type (strength, friction
// angle, E50 or krm, k or Er, sixth value).
using LayerValues = std::array<double, 6>;

// One generated curve read back from SOILDATA: 17 points per side.
struct GeneratedCurve {
    double depth;
    double y[3][18];  // [side][point]
    double p[3][18];
};

class SoilDataTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(scratch_.dir());
        s_ = std::make_unique<EngineState>();
        // An English-unit wall of 40 increments of 6 in with 120 in free
        // height, soldier piles 12 in wide at 48 in spacing of the earth
        // pressure (no closely-spaced reduction), dry soil.
        SetUnits(1);
        s().grid.NINC = 40;
        s().grid.H = 6.0;
        s().grid.HFREE = 120.0;
        s().soil.WA = 48.0;
        s().soil.WP = 12.0;
        s().soil.ZWB = 1000.0;
        s().SIGVEXC = 8.4;
    }

    void TearDown() override { std::filesystem::current_path(previous_); }

    EngineState& s() { return *s_; }

    // What the driver sets at the start of a problem.
    void SetUnits(int KUNIT) {
        s().control.KUNIT = KUNIT;
        s().GAMW = KUNIT == 2 ? 9.81 : 0.036;
        SetUnitLabels(s().labels, KUNIT == 1 ? 1 : KUNIT == 2 ? -1 : 0);
    }

    // A layer reaching `depth` below the top of the wall with the same values
    // at its top and bottom, or with the bottom values given.
    void AddLayer(int type, double depth, const LayerValues& top) {
        AddLayer(type, depth, top, top);
    }
    void AddLayer(int type, double depth, const LayerValues& top, const LayerValues& bottom) {
        SoilBlock& soil = s().soil;
        const int n = ++soil.NSOIL;
        SoilLayerInput& layer = soil.layer[n];
        layer.type = type;
        layer.depth = depth;
        layer.thickness = depth - (n > 1 ? soil.layer[n - 1].depth : 0.0);
        for (int k = 1; k <= 6; ++k) {
            layer.top[k] = top[k - 1];
            layer.bottom[k] = bottom[k - 1];
        }
    }

    // Runs the step with the report in the scratch directory.
    Step Generate() {
        EXPECT_TRUE(s().files.report.Open("report.txt"));
        const Step step = GenerateSoilData(s());
        EXPECT_TRUE(s().files.report.Close());
        return step;
    }

    static std::string Read(const char* path) { return ReadFile(path); }

    std::vector<std::string> ReportLines() const { return Lines(Read("report.txt")); }

    // The generated curves of SOILDATA (after `userCurves` user curves).
    std::vector<GeneratedCurve> Curves(int userCurves = 0) const {
        std::istringstream in(Read("SOILDATA"));
        int count = 0;
        in >> count;
        for (int k = 0; k < userCurves; ++k) {
            int station = 0, points = 0;
            in >> station >> points;
            for (int m = 0; m < 3 * points; ++m) {
                double skip;
                in >> skip;
            }
        }
        std::vector<GeneratedCurve> curves(count > userCurves ? count - userCurves : 0);
        for (GeneratedCurve& c : curves) {
            int records = 0;
            in >> c.depth >> records;
            for (int side = 1; side <= 2; ++side) {
                for (int m = 1; m <= 17; ++m) {
                    int index = 0;
                    in >> index >> c.p[side][m] >> c.y[side][m];
                }
            }
        }
        return curves;
    }

  private:
    EngineRun scratch_;
    std::unique_ptr<EngineState> s_;
    std::filesystem::path previous_;
};

}  // namespace keldra::testing
