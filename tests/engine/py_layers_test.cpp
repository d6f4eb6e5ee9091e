// What the p-y layers do to each other and to the wall: the continuous-wall
// rule, the equivalent depth of deeper layers, the stops of the step, and the
// SOILDATA header.
#include <cmath>

#include "soil_data_fixture.h"

namespace keldra {

namespace {

using testing::LayerValues;
using testing::SoilDataTest;

const LayerValues kSoftClay{0.07, 3.0, 0.0, 0.02, 100.0, 0.0};
const LayerValues kSand{0.07, 0.0, 35.0, 0.0, 60.0, 0.0};

// Resistance of the last point on the excavation side of the second station
// (33 in below the excavation level).
double UltimateAtSecondStation(const std::vector<testing::GeneratedCurve>& curves) {
    return curves.at(1).p[1][17];
}

}  // namespace

TEST_F(SoilDataTest, RatioOfExactlyOnePointOneIsAContinuousWall) {
    AddLayer(1, 400.0, kSoftClay);
    s().soil.WA = 13.2;  // 1.1 times WP
    ASSERT_EQ(Generate(), Step::kContinue);
    // Passive value gamma' X0 b + 2cb = 27.72 + 72, less the shift of 28.8.
    EXPECT_NEAR(UltimateAtSecondStation(Curves()), 70.92, 0.1);

    s().soil.WA = 6.0;  // WA below WP counts as a ratio of 1
    ASSERT_EQ(Generate(), Step::kContinue);
    EXPECT_NEAR(UltimateAtSecondStation(Curves()), 70.92, 0.1);

    s().soil.WA = 13.2001;  // closely spaced piles: pm = 0.5292 r^0.5659
    ASSERT_EQ(Generate(), Step::kContinue);
    EXPECT_NEAR(UltimateAtSecondStation(Curves()), 0.558529 * 185.22 - 28.8, 0.1);
}

TEST_F(SoilDataTest, ContinuousSandWallUsesThePassiveCoefficient) {
    AddLayer(4, 400.0, kSand);
    s().soil.WA = 13.2;
    ASSERT_EQ(Generate(), Step::kContinue);
    // A (2.75 widths) b Kpc gamma' X0 with delta = phi/2, less SIGVEXC Ka b.
    EXPECT_NEAR(UltimateAtSecondStation(Curves()), 206.18, 0.5);
}

TEST_F(SoilDataTest, BackfillSideKeepsTheSoilOfTheExcavationSide) {
    AddLayer(1, 200.0, kSoftClay);
    AddLayer(1, 400.0, {0.07, 30.0, 0.0, 0.02, 100.0, 0.0});
    ASSERT_EQ(Generate(), Step::kContinue);
    // 0.1 in below the excavation level the backfill side lies 120.1 in deep:
    // Np reaches 9 with c = 3 (not the 30 of the deeper layer); shift 28.8.
    EXPECT_NEAR(Curves().at(0).p[2][17], 9.0 * 3.0 * 12.0 + 28.8, 0.5);  // three digits
}

TEST_F(SoilDataTest, SoftClayWithoutCohesionGivesAFlatCurve) {
    AddLayer(1, 400.0, {0.07, 0.0, 0.0, 0.02, 100.0, 0.0});
    ASSERT_EQ(Generate(), Step::kContinue);
    // No resistance; the whole active force b SIGVEXC moves into the curve.
    const auto curves = Curves();
    for (int m = 1; m <= 17; ++m) {
        EXPECT_EQ(curves.at(2).p[1][m], -101.0) << m;  // 100.8 to three digits
        EXPECT_EQ(curves.at(2).p[2][m], 101.0) << m;
    }
}

TEST_F(SoilDataTest, SecondClayLayerStartsAtItsEquivalentDepth) {
    AddLayer(1, 180.0, kSoftClay);
    AddLayer(1, 400.0, {0.07, 6.0, 0.0, 0.02, 100.0, 0.0});
    ASSERT_EQ(Generate(), Step::kContinue);
    const SoilProfile& p = s().profile;
    EXPECT_NEAR(p.layer[1].RACC, 10656.36, 1e-6);
    EXPECT_NEAR(p.layer[2].XEQ, 37.10014729500967, 1e-9);  // root of the quadratic
    // First station of layer 2: X = 0.1 + XEQ, pu = (3 + gX/c + X/2b)cb, no shift.
    EXPECT_NEAR(Curves().at(5).p[1][17], 358.8485656, 0.5);
}

TEST_F(SoilDataTest, DeeperStiffClayWithFreeWaterUsesTheRunningMeanStrength) {
    AddLayer(1, 126.0, kSoftClay);
    // c rises by 0.2 psi per inch: 10 at the layer top, 16 at its second
    // station, 36 in below the excavation level.
    AddLayer(2, 246.0, {0.07, 10.0, 0.0, 0.005, 500.0, 0.0}, {0.07, 34.0, 0.0, 0.005, 500.0, 0.0});
    ASSERT_EQ(Generate(), Step::kContinue);
    // ca = (c(6.1) + c(36)) / 2 = 13.01; pct = 2 ca b + g b X0 + 2.83 ca X0 is
    // below 11 c b; the residual is pct (0.5 sqrt(6A) - 0.411 - 0.75 A), A = 0.59.
    const auto curves = Curves();
    const testing::GeneratedCurve& station = curves.at(6);
    EXPECT_NEAR(station.y[1][17], 7.08, 0.01);
    EXPECT_NEAR(station.p[1][17], 145.518, 0.5);
}

TEST_F(SoilDataTest, SandBelowClayMatchesTheClayResistance) {
    AddLayer(1, 180.0, kSoftClay);
    AddLayer(4, 400.0, kSand);
    ASSERT_EQ(Generate(), Step::kContinue);
    EXPECT_NEAR(s().profile.layer[2].XEQ, 42.41955299703471, 1e-9);

    // A clay far stronger than the sand's wedge: extended below xr with D.
    s().soil.layer[1].top[2] = s().soil.layer[1].bottom[2] = 200.0;
    ASSERT_EQ(Generate(), Step::kContinue);
    EXPECT_NEAR(s().profile.layer[2].XEQ, 217.44557320007806, 1e-9);
}

TEST_F(SoilDataTest, SandBelowRockHasNoEquivalentDepth) {
    AddLayer(6, 180.0, {0.07, 2000.0, 0.0, 0.0, 0.0, 0.0});
    AddLayer(4, 400.0, kSand);
    ASSERT_EQ(Generate(), Step::kContinue);
    EXPECT_EQ(s().profile.layer[1].RACC, 0.0);
    EXPECT_EQ(s().profile.layer[2].XEQ, 0.0);
    EXPECT_GT(s().profile.layer[2].RACC, 0.0);
}

TEST_F(SoilDataTest, InvalidSoilStopsTheRunWithAReportLine) {
    struct StopCase {
        int type;
        LayerValues values;
        const char* line;
    };
    const StopCase cases[] = {
        {5,
         {0.07, 2.0, 0.0, 0.01, 100.0, 0.0},
         "     ERROR STOP -- FRICTION ANGLE OF THE SILT IS ZERO AT X =    120.10"},
        {7,
         {0.07, 0.0, 0.0, 0.0005, 20000.0, 50.0},
         "     ERROR STOP -- STRENGTH OF THE WEAK ROCK IS ZERO AT X =    153.00"},
        {7,
         {0.07, 500.0, 0.0, 0.0, 20000.0, 50.0},
         "     ERROR STOP -- KRM OF THE WEAK ROCK IS NOT POSITIVE AT X =    120.10"},
        {4,
         {0.07, 0.0, 0.0, 0.0, 60.0, 0.0},
         "     ERROR STOP -- FRICTION ANGLE OF THE SAND NOT ABOVE 0 AND BELOW 90 DEGREES AT X =   "
         " 120.10"},
        {1,
         {0.07, 3.0, 0.0, 0.0, 100.0, 0.0},
         "     ERROR STOP -- E50 OF THE CLAY IS NOT POSITIVE AT X =    120.10"},
        {3,
         {0.07, 15.0, 0.0, 0.0, 0.0, 0.0},
         "     ERROR STOP -- E50 OF THE CLAY IS NOT POSITIVE AT X =    120.10"},
        {6,
         {0.07, 0.0, 0.0, 0.0, 0.0, 0.0},
         "     ERROR STOP -- STRENGTH OF THE STRONG ROCK IS NOT POSITIVE AT X =    120.10"},
    };
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.line);
        s().soil.NSOIL = 0;
        AddLayer(c.type, 400.0, c.values);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(Generate(), Step::kStop);
        const std::string stderrText = ::testing::internal::GetCapturedStderr();
        const auto report = ReportLines();
        ASSERT_GE(report.size(), 3u);
        EXPECT_EQ(report.back(), c.line);
        EXPECT_EQ(report[report.size() - 2], "");
        if (c.type == 5) {
            EXPECT_NE(stderrText.find("       WARNING-------The Angle of the slope can not\n"),
                      std::string::npos);
        }
        if (c.type == 7 && c.values[1] == 0.0) {
            EXPECT_NE(stderrText.find("THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT"),
                      std::string::npos);
        }
    }
}

TEST_F(SoilDataTest, WallWithoutSoilResistanceStops) {
    AddLayer(4, 400.0, kSand);
    s().soil.WP = 0.0;
    EXPECT_EQ(Generate(), Step::kStop);
    EXPECT_EQ(ReportLines().back(),
              "     ERROR STOP -- THE WIDTH FOR SOIL RESISTANCE, WP, MUST BE POSITIVE");

    s().soil.WP = 12.0;
    s().grid.HFREE = 252.0;  // the tip (240 in) plus two increments
    EXPECT_EQ(Generate(), Step::kStop);
    EXPECT_EQ(ReportLines().back(),
              "     ERROR STOP -- THE FREE HEIGHT REACHES BELOW THE WALL TIP");
}

TEST_F(SoilDataTest, LayerWithoutThicknessStops) {
    AddLayer(1, 180.0, kSoftClay);
    AddLayer(4, 180.0, kSand);
    AddLayer(4, 400.0, kSand);
    EXPECT_EQ(Generate(), Step::kStop);
    EXPECT_EQ(
        ReportLines().back(),
        "     ERROR STOP -- SOIL LAYER WITHOUT THICKNESS BELOW THE EXCAVATION AT X =    180.00");
}

TEST_F(SoilDataTest, UserCurvesComeFirstInSoilData) {
    AddLayer(1, 100.0, kSoftClay);  // wholly above the excavation level: no p-y layer
    s().control.NUPY = 1;
    UserCurve& curve = s().user.curve[1];
    curve.station = 30;
    curve.points = 2;
    curve.y[1] = 0.0;
    curve.p[1] = 0.0;
    curve.y[2] = 0.5;
    curve.p[2] = -250.0;
    ASSERT_EQ(Generate(), Step::kContinue);
    EXPECT_EQ(Read("SOILDATA"),
              "1\n"
              "30 2\n"
              "1 0.0000000000E+00 0.0000000000E+00\n"
              "2 -2.5000000000E+02 5.0000000000E-01\n");
    const auto report = ReportLines();
    EXPECT_EQ(report.back(), "P-Y CURVES DATA");
    EXPECT_NE(std::find(report.begin(), report.end(), "0 LAYER(S) OF SOIL"), report.end());
}

}  // namespace keldra
