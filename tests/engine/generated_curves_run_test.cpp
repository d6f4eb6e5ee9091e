// Whole runs with generated p-y curves: a cantilevered soldier-pile wall in
// soft clay over sand below the water table, on weak rock, under a user
// earth-pressure table. The curves go through SOILDATA into the curve store
// and the solved wall must behave like a cantilever.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "engine/state.h"
#include "engine_run.h"

namespace keldra {

namespace {

// English units: 60 increments of 6 in, 120 in free height; 48 in pile
// spacing and 12 in piles; water 180 in down, at the clay-sand interface.
constexpr const char* kLayeredWall =
    "Soldier-pile wall: soft clay over sand below water, weak rock beneath\n"
    "1 0 1 0 1 2 0 1 0 0\n"
    "60 6 10 1E-5 120 12\n"
    "0 60 1 29000000000\n"
    "0\n"
    "0\n"
    "2\n"
    "0 0\n"
    "120 130\n"
    "120 48 12 180 180 1 0 0\n"
    "0 0 0 0 0 0\n"
    "0\n"
    "3\n"
    "1 180\n"
    "0.065 3.5 0 0.02 100 0\n"
    "0.065 3.5 0 0.02 100 0\n"
    "4 300\n"
    "0.07 0 34 0 60 0\n"
    "0.07 0 34 0 60 0\n"
    "7 500\n"
    "0.08 1000 0 0.0005 100000 50\n"
    "0.08 1000 0 0.0005 100000 50\n"
    "0\n";

class GeneratedCurvesRun : public ::testing::Test {
  protected:
    void RunProject(const char* text) { (void)run_.Run(text); }
    std::string Read(const char* name) const { return testing::ReadFile(run_.dir() / name); }
    EngineState& s() { return Engine(); }

  private:
    testing::EngineRun run_;
};

}  // namespace

TEST_F(GeneratedCurvesRun, SoilDataRecordsReachTheCurveStore) {
    RunProject(kLayeredWall);
    std::istringstream soildata(Read("SOILDATA"));
    int count = 0;
    soildata >> count;
    ASSERT_EQ(count, 15);
    ASSERT_EQ(s().curves.count, 15);
    const double H = s().grid.H;
    for (int k = 1; k <= count; ++k) {
        double depth = 0.0;
        int records = 0;
        soildata >> depth >> records;
        ASSERT_EQ(records, 34);
        double p[35], y[35];
        for (int m = 1; m <= 34; ++m) {
            int number = 0;
            soildata >> number >> p[m] >> y[m];
            ASSERT_EQ(number, m <= 17 ? m : m - 17);
        }
        SCOPED_TRACE(::testing::Message() << "curve " << k << " at " << depth);
        EXPECT_EQ(s().curves.JFRC[k], static_cast<int>(std::lround(depth / H)) + 4);
        EXPECT_EQ(s().curves.NPC[k], 33);
        // Backfill side first, largest deflection first, then the excavation side.
        EXPECT_EQ(s().curves.YC[k][1], -y[34]);
        EXPECT_EQ(s().curves.PC[k][1], H * p[34]);
        EXPECT_EQ(s().curves.YC[k][17], -y[18]);
        EXPECT_EQ(s().curves.YC[k][33], y[17]);
        EXPECT_EQ(s().curves.PC[k][33], -H * p[17]);
        EXPECT_EQ(s().curves.PC[k][25], -H * p[9]);
    }
    // The first station lies 0.1 in below the excavation level.
    EXPECT_EQ(s().curves.JFRC[1], 20 + 4);
}

TEST_F(GeneratedCurvesRun, UserCurveComesFirstAndStandsAlone) {
    std::string project = kLayeredWall;
    project.replace(project.find("1 0 1 0 1 2 0 1 0 0"), 19, "1 0 1 0 1 2 1 1 0 0");
    // A user curve at station 50, its p doubled by its multiplier.
    project.replace(project.rfind("0\n"), 2, "50 3 2 1\n-1 100\n0 0\n1 -100\n0\n");
    RunProject(project.c_str());
    const CurveStore& c = s().curves;
    ASSERT_EQ(c.count, 16);
    EXPECT_EQ(c.JFRC[1], 50 + 4);
    EXPECT_EQ(c.KCTC[1], 0);
    EXPECT_EQ(c.NPC[1], 3);
    EXPECT_EQ(c.YC[1][1], -1.0);
    EXPECT_EQ(c.PC[1][1], s().grid.H * 200.0);
    EXPECT_EQ(c.KCTC[2], 1);
    EXPECT_EQ(c.NPC[2], 33);
}

TEST_F(GeneratedCurvesRun, SurchargeOnTheUserTableWithoutFreeHeightEndsTheRunInOrder) {
    std::string project = kLayeredWall;
    project.replace(project.find("60 6 10 1E-5 120 12"), 19, "60 6 10 1E-5 0 12");
    // One point load 24 in behind the wall.
    project.replace(project.find("0 0 0 0 0 0\n0\n"), 14, "0 0 0 0 0 0\n1\n1 1000 24 0\n");
    RunProject(project.c_str());
    const std::string report = Read("wall.kd5o");
    EXPECT_NE(report.find("\n\n     ERROR STOP -- SURCHARGE LOADS NEED A FREE HEIGHT ABOVE ZERO\n"
                          "\n\n\n     END OF ANALYSIS"),
              std::string::npos)
        << report;
    EXPECT_EQ(report.find("RESULTS -- ITERATION"), std::string::npos);
    const auto plot = testing::Lines(Read("wall.kd5p"));
    ASSERT_FALSE(plot.empty());
    EXPECT_EQ(plot.back().substr(0, 4), "1 0 ");
}

TEST_F(GeneratedCurvesRun, LayeredCantileverIsPhysicallySane) {
    RunProject(kLayeredWall);
    const std::string report = Read("wall.kd5o");
    ASSERT_NE(report.find("SOIL LAYERS AND STRENGTH DATA"), std::string::npos);
    ASSERT_NE(report.find("RESULTS -- ITERATION"), std::string::npos) << report;
    EXPECT_EQ(report.find("ERROR"), std::string::npos);
    EXPECT_EQ(report.find("NOT CLOSED"), std::string::npos);

    const ResultRows& r = s().results;
    ASSERT_EQ(r.NRES, 62);
    const ResultRow& top = r.row[1];
    EXPECT_EQ(top.moment, 0.0) << "free top";
    double largestDeflection = 0.0, largestMoment = 0.0, load = 0.0, net = 0.0;
    for (int i = 1; i <= 61; ++i) {
        largestDeflection = std::max(largestDeflection, std::fabs(r.row[i].deflection));
        largestMoment = std::max(largestMoment, std::fabs(r.row[i].moment));
        net += r.row[i].reaction;
    }
    for (int J = 1; J <= 60 + 7; ++J) load += s().sta.Q[J];
    EXPECT_GT(top.deflection, 0.0) << "toward the excavation";
    EXPECT_EQ(std::fabs(top.deflection), largestDeflection);
    // The pressure triangle on stations 1..20 (39 lb per station and inch of
    // depth ratio), about 312000 lb-in at the excavation level; the soft clay
    // lets the largest moment move well below it.
    EXPECT_NEAR(load, 39.0 * 210.0, 1e-6);
    EXPECT_GT(largestMoment, 312000.0);
    EXPECT_LT(largestMoment, 7800.0 * (360.0 - 80.0));
    EXPECT_NEAR(net, 0.0, 0.002 * load) << "the soil balances the load";
    EXPECT_NEAR(r.row[61].moment, 0.0, 1e-3 * largestMoment) << "free tip";
}

}  // namespace keldra
