#include "engine/surcharge.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/generation.h"

namespace keldra {
namespace {

constexpr double kPi = 3.1416;

SoilBlock WithRows(std::initializer_list<SurchargeRow> rows) {
    SoilBlock soil{};
    for (const SurchargeRow& row : rows) soil.surcharge[++soil.NSUR] = row;
    return soil;
}

// Far from the wall (m > 0.4) the charts do not depend on the free height:
// written in X and z they read as the classical elastic forms.
TEST(Surcharge, FarLoadsMatchTheirFreeHeightIndependentForms) {
    const double X = 96, z = 60, Q = 1000;
    const double r2 = X * X + z * z;
    for (double HFREE : {120.0, 200.0}) {
        EXPECT_NEAR(SurchargeLoadPressure(kPointLoad, Q, X, 0, z, HFREE, kTableConstants),
                    1.77 * Q * X * X * z * z / std::pow(r2, 3), 1e-12);
        EXPECT_NEAR(SurchargeLoadPressure(kLineLoad, Q, X, 0, z, HFREE, kTableConstants),
                    4 * Q * X * X * z / (kPi * r2 * r2), 1e-12);
        EXPECT_NEAR(SurchargeLoadPressure(kLineLoad, Q, X, 0, z, HFREE, kLayerForceConstants),
                    1.273 * Q * X * X * z / (r2 * r2), 1e-12);
    }
}

TEST(Surcharge, NearLoadsFollowTheChartsAtSeveralDepths) {
    // HFREE = 120, X = 24 (m = 0.2): point 1000 and line 100.
    struct Case {
        double z, point, line;
    };
    const Case cases[] = {{30, 0.110327940, 0.854269242},
                          {60, 0.070531639, 0.503172715},
                          {120, 0.012457233, 0.125718391}};
    for (const Case& c : cases) {
        EXPECT_NEAR(SurchargeLoadPressure(kPointLoad, 1000, 24, 0, c.z, 120, kTableConstants),
                    c.point, 1e-8)
            << c.z;
        EXPECT_NEAR(SurchargeLoadPressure(kLineLoad, 100, 24, 0, c.z, 120, kTableConstants), c.line,
                    1e-8)
            << c.z;
    }
    // Any type other than line and strip is a point load.
    EXPECT_EQ(SurchargeLoadPressure(7, 1000, 24, 0, 30, 120, kTableConstants),
              SurchargeLoadPressure(kPointLoad, 1000, 24, 0, 30, 120, kTableConstants));
}

TEST(Surcharge, StripLoadIsTheElasticSolution) {
    // Strip of pressure 10 and width 40 centred 60 from the wall: edges at
    // 40 and 80, so at depth z the strip subtends b = atan(80/z) - atan(40/z).
    for (double z : {30.0, 60.0, 120.0}) {
        const double b = std::atan(80 / z) - std::atan(40 / z);
        const double twoAlpha = std::atan(80 / z) + std::atan(40 / z);
        EXPECT_NEAR(SurchargeLoadPressure(kStripLoad, 10, 60, 40, z, 120, kTableConstants),
                    2 * 10 * (b - std::sin(b) * std::cos(twoAlpha)) / kPi, 1e-12);
    }
    EXPECT_NEAR(SurchargeLoadPressure(kStripLoad, 10, 60, 40, 60, 120, kTableConstants),
                2.042469289, 1e-8);
}

TEST(Surcharge, SampledPressureTakesTheLastStepAboveTheDepth) {
    const SoilBlock soil = WithRows({{kPointLoad, 1000, 24, 0}, {kLineLoad, 100, 96, 0}});
    const double HFREE = 120, WL = 400;  // steps of 2
    auto direct = [&](double z) {
        return SurchargeLoadPressure(kPointLoad, 1000, 24, 0, z, HFREE, kTableConstants) +
               SurchargeLoadPressure(kLineLoad, 100, 96, 0, z, HFREE, kTableConstants);
    };
    EXPECT_EQ(SampledSurchargePressure(soil, 0, HFREE, WL), 0);
    EXPECT_EQ(SampledSurchargePressure(soil, 2, HFREE, WL), 0);  // x at the first step
    EXPECT_DOUBLE_EQ(SampledSurchargePressure(soil, 2.5, HFREE, WL), direct(2));
    EXPECT_DOUBLE_EQ(SampledSurchargePressure(soil, 60, HFREE, WL), direct(58));
    EXPECT_DOUBLE_EQ(SampledSurchargePressure(soil, 61, HFREE, WL), direct(60));
    EXPECT_DOUBLE_EQ(SampledSurchargePressure(soil, 1e9, HFREE, WL), direct(400));
}

TEST(Surcharge, NoRowsOrNoFreeHeightGiveNoPressure) {
    const SoilBlock none{};
    for (double z : {0.5, 10.0, 100.0}) EXPECT_EQ(SampledSurchargePressure(none, z, 120, 400), 0);
    const SoilBlock rows = WithRows({{kPointLoad, 1000, 24, 0}});
    EXPECT_FALSE(SurchargeNeedsFreeHeight(none, 0));
    EXPECT_FALSE(SurchargeNeedsFreeHeight(rows, 120));
    EXPECT_TRUE(SurchargeNeedsFreeHeight(rows, 0));
    EXPECT_EQ(SampledSurchargePressure(rows, 50, 0, 400), 0);
}

TEST(Surcharge, LayerRecordSumsEveryRowOrTheLegacyLoads) {
    const double z = 30, HFREE = 120;
    const SoilBlock rows = WithRows({{kPointLoad, 1000, 24, 0}, {kStripLoad, 10, 60, 40}});
    EXPECT_DOUBLE_EQ(
        LayerSurchargePressure(rows, z, HFREE),
        SurchargeLoadPressure(kPointLoad, 1000, 24, 0, z, HFREE, kLayerForceConstants) +
            SurchargeLoadPressure(kStripLoad, 10, 60, 40, z, HFREE, kLayerForceConstants));

    SoilBlock legacy{};
    legacy.legacyX = 96;
    legacy.legacyPoint = 1000;
    legacy.legacyLine = 100;
    legacy.legacyStrip = 10;
    legacy.legacyWidth = 40;
    EXPECT_DOUBLE_EQ(
        LayerSurchargePressure(legacy, z, HFREE),
        SurchargeLoadPressure(kPointLoad, 1000, 96, 0, z, HFREE, kLayerForceConstants) +
            SurchargeLoadPressure(kLineLoad, 100, 96, 0, z, HFREE, kLayerForceConstants) +
            SurchargeLoadPressure(kStripLoad, 10, 96, 40, z, HFREE, kLayerForceConstants));
}

TEST(Surcharge, EnginePressureUsesTheWallGeometry) {
    auto s = std::make_unique<EngineState>();
    s->grid.NINC = 100;
    s->grid.H = 4;
    s->grid.HFREE = 120;
    s->soil = WithRows({{kLineLoad, 100, 96, 0}});
    EXPECT_DOUBLE_EQ(SurchargePressureAt(*s, 61), SampledSurchargePressure(s->soil, 61, 120, 400));
}

}  // namespace
}  // namespace keldra
