// The walk over the curve store that turns p-y curves into station springs.
#include "engine/soil_springs.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/curve_evaluation.h"

namespace keldra {

namespace {

// A store of straight curves through the origin: curve k resists with
// stiffness `stiffness` per station (p = -stiffness * y).
struct Curve {
    int station, joined;
    double stiffness;
};

std::unique_ptr<EngineState> Store(std::initializer_list<Curve> curves) {
    auto s = std::make_unique<EngineState>();
    s->grid.NINC = 10;
    s->grid.H = 1.0;
    CurveStore& c = s->curves;
    for (const Curve& curve : curves) {
        const int k = ++c.count;
        c.JFRC[k] = c.JTOC[k] = curve.station + kStationOffset;
        c.KCTC[k] = curve.joined;
        c.NPC[k] = 3;
        const double y[] = {0, -1, 0, 1};
        for (int m = 1; m <= 3; ++m) {
            c.YC[k][m] = y[m];
            c.PC[k][m] = -curve.stiffness * y[m];
        }
    }
    return s;
}

double Spring(const EngineState& s, int station) { return s.sta.SS[station + kStationOffset]; }

}  // namespace

TEST(SoilSprings, JoinedCurvesInterpolateAndShareEndStations) {
    auto s = Store({{4, 1, 100.0}, {6, 1, 300.0}, {8, 1, 300.0}});
    bool off = false;
    ASSERT_EQ(AddSoilSprings(*s, off), Step::kContinue);
    EXPECT_FALSE(off);
    EXPECT_DOUBLE_EQ(Spring(*s, 3), 0.0);
    EXPECT_DOUBLE_EQ(Spring(*s, 4), 50.0) << "half weight at the first end";
    EXPECT_DOUBLE_EQ(Spring(*s, 5), 200.0);
    EXPECT_DOUBLE_EQ(Spring(*s, 6), 300.0) << "two half weights";
    EXPECT_DOUBLE_EQ(Spring(*s, 7), 300.0);
    EXPECT_DOUBLE_EQ(Spring(*s, 8), 150.0);
}

TEST(SoilSprings, JoinedCurvesAtOneStationAddNothingForThatPair) {
    auto s = Store({{4, 1, 100.0}, {4, 1, 900.0}, {6, 0, 300.0}});
    bool off = false;
    ASSERT_EQ(AddSoilSprings(*s, off), Step::kContinue);
    // The third curve pairs with the first.
    EXPECT_DOUBLE_EQ(Spring(*s, 4), 50.0);
    EXPECT_DOUBLE_EQ(Spring(*s, 5), 200.0);
    EXPECT_DOUBLE_EQ(Spring(*s, 6), 150.0);
}

TEST(SoilSprings, StandAloneCurvesAndTheTip) {
    auto s = Store({{3, 0, 70.0}, {9, 1, 100.0}, {12, 1, 400.0}, {13, 0, 50.0}});
    bool off = false;
    ASSERT_EQ(AddSoilSprings(*s, off), Step::kContinue);
    EXPECT_DOUBLE_EQ(Spring(*s, 3), 70.0) << "a curve alone acts fully at its station";
    EXPECT_DOUBLE_EQ(Spring(*s, 9), 50.0);
    EXPECT_DOUBLE_EQ(Spring(*s, 10), 100.0 + 300.0 / 3 - 0.5 * (100.0 + 300.0 / 3))
        << "the range is clipped at the tip, which takes the half weight";
    EXPECT_DOUBLE_EQ(Spring(*s, 11), 0.0);
}

TEST(SoilSprings, PairEndingBeforeItStartsStops) {
    auto s = Store({{8, 1, 100.0}, {6, 0, 100.0}});
    bool off = false;
    EXPECT_EQ(AddSoilSprings(*s, off), Step::kStop);
}

TEST(CurveEvaluation, SegmentAtAndAroundThePoints) {
    auto s = Store({{5, 0, 0.0}});
    CurveStore& c = s->curves;
    // y: -1, 0, 2 with p: 10, 0, -40 (stiffer for positive y).
    c.YC[1][3] = 2.0;
    c.PC[1][1] = 10.0;
    c.PC[1][3] = -40.0;
    bool off = false;
    SegmentSpring spring =
        EvaluateCurve(c, 1, 0.0, off);  // exactly at a point: the segment ending there
    EXPECT_DOUBLE_EQ(spring.stiffness, 10.0);
    EXPECT_FALSE(off);
    spring = EvaluateCurve(c, 1, 1.0, off);
    EXPECT_DOUBLE_EQ(spring.stiffness, 20.0);
    EXPECT_DOUBLE_EQ(spring.intercept, 0.0);
    EXPECT_FALSE(off);
    spring = EvaluateCurve(c, 1, 3.0, off);
    EXPECT_DOUBLE_EQ(spring.stiffness, 20.0);
    EXPECT_TRUE(off) << "beyond the last point";
    off = false;
    (void)EvaluateCurve(c, 1, -2.0, off);
    EXPECT_TRUE(off) << "before the first point";
}

}  // namespace keldra
