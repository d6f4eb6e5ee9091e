// Input values that no wall or soil can have end the run in order, with the
// quantity, the offending value and where it stands in the report.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine_run.h"
#include "project_builder.h"

namespace keldra {

namespace {

using testing::EngineRun;
using testing::LayeredWall;
using testing::ProjectBuilder;

// Soil block lines of the layers: type line, top values, bottom values.
constexpr int kClayType = 4, kClayTop = 5, kClayBottom = 6;
constexpr int kSandType = 7, kSandTop = 8;
constexpr int kRockTop = 11;

struct Case {
    const char* name;
    std::function<void(ProjectBuilder&)> change;
    std::string message;
};

}  // namespace

TEST(ImplausibleInput, TheLayeredWallItselfIsAnalysed) {
    EngineRun run;
    const auto out = run.Run(LayeredWall().Text());
    EXPECT_NE(out.report.find("     RESULTS -- ITERATION"), std::string::npos) << out.report;
}

TEST(ImplausibleInput, EachEndsTheRunNamingTheValue) {
    const Case cases[] = {
        {"EI zero", [](ProjectBuilder& p) { p.stiffness = {"0\t60\t1\t0"}; },
         "     ERROR STOP -- FLEXURAL RIGIDITY MUST BE POSITIVE: EI =  0.000E+00 AT STA   0"},
        {"EI negative", [](ProjectBuilder& p) { p.stiffness = {"0\t60\t1\t-1E9"}; },
         "     ERROR STOP -- FLEXURAL RIGIDITY MUST BE POSITIVE: EI = -0.500E+09 AT STA   0"},
        {"EI underflowing to zero", [](ProjectBuilder& p) { p.stiffness = {"0\t60\t1\t1e-400"}; },
         "     ERROR STOP -- FLEXURAL RIGIDITY MUST BE POSITIVE: EI =  0.000E+00 AT STA   0"},
        {"a station without stiffness rows",
         [](ProjectBuilder& p) {
             p.stiffness = {"0\t4\t1\t1E9", "6\t60\t1\t1E9"};
         },
         "     ERROR STOP -- FLEXURAL RIGIDITY MUST BE POSITIVE: EI =  0.000E+00 AT STA   5"},
        {"moment-EI point without stiffness",
         [](ProjectBuilder& p) {
             p.moment_ei = {{"0\t10\t2", "0\t1E9", "1E6\t0"}};
         },
         "     ERROR STOP -- FLEXURAL RIGIDITY MUST BE POSITIVE: EI =  0.000E+00 IN MOMENT-EI SET  "
         "1"},
        {"negative unit weight",
         [](ProjectBuilder& p) { p.soil_block[kClayTop] = "-0.065 3.5 0 0.02 100 0"; },
         "     ERROR STOP -- UNIT WEIGHT MUST NOT BE NEGATIVE: GAMMA = -0.650E-01 AT THE TOP OF "
         "LAYER  1"},
        {"negative cohesion",
         [](ProjectBuilder& p) { p.soil_block[kClayBottom] = "0.065 -3.5 0 0.02 100 0"; },
         "     ERROR STOP -- COHESION MUST NOT BE NEGATIVE: C = -0.350E+01 AT THE BOTTOM OF LAYER  "
         "1"},
        {"negative k", [](ProjectBuilder& p) { p.soil_block[kSandTop] = "0.07 0 34 0 -60 0"; },
         "     ERROR STOP -- SUBGRADE MODULUS MUST NOT BE NEGATIVE: K = -0.600E+02 AT THE TOP OF "
         "LAYER  2"},
        {"negative rock strength",
         [](ProjectBuilder& p) { p.soil_block[kRockTop] = "0.08 -1000 0 0.0005 100000 50"; },
         "     ERROR STOP -- UNIAXIAL COMPRESSIVE STRENGTH MUST NOT BE NEGATIVE: QU = -0.100E+04 "
         "AT "
         "THE TOP OF LAYER  3"},
        {"negative rock mass modulus",
         [](ProjectBuilder& p) { p.soil_block[kRockTop] = "0.08 1000 0 0.0005 -1E5 50"; },
         "     ERROR STOP -- ROCK MASS MODULUS MUST NOT BE NEGATIVE: ER = -0.100E+06 AT THE TOP OF "
         "LAYER  3"},
        // A zero initial modulus flattens the whole p-y curve to no resistance.
        {"sand without k", [](ProjectBuilder& p) { p.soil_block[kSandTop] = "0.07 0 34 0 0 0"; },
         "     ERROR STOP -- SUBGRADE MODULUS MUST BE POSITIVE: K =  0.000E+00 AT X =    180.10"},
        {"silt without k",
         [](ProjectBuilder& p) {
             p.soil_block[kSandType] = "5 300";
             p.soil_block[kSandTop] = "0.07 1 34 0.01 0 0";
         },
         "     ERROR STOP -- SUBGRADE MODULUS MUST BE POSITIVE: K =  0.000E+00 AT X =    180.10"},
        {"stiff clay in free water without k",
         [](ProjectBuilder& p) {
             p.soil_block[kClayType] = "2 180";
             p.soil_block[kClayTop] = "0.065 3.5 0 0.02 0 0";
         },
         "     ERROR STOP -- SUBGRADE MODULUS MUST BE POSITIVE: K =  0.000E+00 AT X =    120.10"},
        {"weak rock without modulus",
         [](ProjectBuilder& p) { p.soil_block[kRockTop] = "0.08 1000 0 0.0005 0 50"; },
         "     ERROR STOP -- ROCK MASS MODULUS MUST BE POSITIVE: ER =  0.000E+00 AT X =    300.10"},
    };
    EngineRun run;
    for (const Case& c : cases) {
        ProjectBuilder p = LayeredWall();
        c.change(p);
        const auto out = run.Run(p.Text());
        const auto report = out.report_lines();
        EXPECT_NE(std::find(report.begin(), report.end(), c.message), report.end())
            << c.name << "\n"
            << out.report;
        EXPECT_EQ(out.report.find("RESULTS -- ITERATION"), std::string::npos) << c.name;
        ASSERT_FALSE(report.empty());
        EXPECT_EQ(report.back(), "     END OF ANALYSIS                             ") << c.name;
        const auto plot = out.plot_lines();
        ASSERT_FALSE(plot.empty()) << c.name;
        EXPECT_EQ(plot.back(), "1 0 1") << c.name;
    }
}

TEST(ImplausibleInput, ZeroWhereTheSoilAllowsIt) {
    // Sand has no cohesion; soft clay takes no k; a weightless clay still
    // resists by its cohesion.
    ProjectBuilder p = LayeredWall();
    p.soil_block[kClayTop] = "0 3.5 0 0.02 0 0";
    EngineRun run;
    const auto out = run.Run(p.Text());
    EXPECT_NE(out.report.find("     RESULTS -- ITERATION"), std::string::npos) << out.report;
}

}  // namespace keldra
