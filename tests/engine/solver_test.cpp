#include "engine/solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "engine_run.h"

namespace keldra {

namespace {

using testing::Crlf;
using testing::EngineRun;

constexpr int kIncrements = 40;

// Deflection of station 0 after a run, at full precision.
double TopDeflection() { return Engine().sta.W[kStationOffset]; }

std::string Real(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.10g", v);
    return text;
}

// A wall of uniform EI with a lateral load P at the top. The end stations
// take half the EI and half the spring, as the distribution rule gives them:
// each end station stands for half an increment of wall.
std::vector<std::string> UniformWall(int nds, double H, double EI, double P, int springs) {
    return {"Closed-form check", "3 " + std::to_string(nds) + "\t1\t0\t0\t0 0 1 0 0",
            std::to_string(kIncrements) + " " + Real(H) + "\t1000\t1E-9\t0\t1",
            // no A4 line here: inserted by the caller when nds > 0
            "0\t" + std::to_string(kIncrements) + "\t1\t" + Real(EI), "1",
            "1\t0\t0\t" + Real(P) + "\t0\t0", std::to_string(springs)};
}

}  // namespace

TEST(Solver, CantileverFixedAtItsTipMatchesBeamTheory) {
    const double H = 3.0, EI = 2.0e7, P = 100.0, L = kIncrements * H;
    auto lines = UniformWall(1, H, EI, P, 0);
    lines.insert(lines.begin() + 3, "3\t" + std::to_string(kIncrements) + "\t0\t0");
    lines.push_back("0");
    EngineRun run;
    run.Run(Crlf(lines));
    const double top = TopDeflection();
    const double theory = P * L * L * L / (3.0 * EI);
    EXPECT_NEAR(top / theory, 1.0, 0.002) << top << " vs " << theory;
}

TEST(Solver, LongWallOnUniformSpringsMatchesBeamOnElasticFoundation) {
    const double EI = 1.0e6, k = 1000.0, P = 50.0;
    const double lambda = std::pow(k / (4.0 * EI), 0.25);
    const double H = 0.1 / lambda;  // wall length 4 / lambda: the far end adds 0.2 %
    auto lines = UniformWall(0, H, EI, P, 1);
    lines.push_back("0\t" + std::to_string(kIncrements) + "\t1\t" + Real(k * H) + "\t0");
    lines.push_back("0");
    EngineRun run;
    run.Run(Crlf(lines));
    const double top = TopDeflection();
    const double theory = 2.0 * P * lambda / k;
    EXPECT_NEAR(top / theory, 1.0, 0.003) << top << " vs " << theory;
}

}  // namespace keldra
