#include "engine/earth_pressure_sublayers.h"

#include <gtest/gtest.h>

#include "earth_pressure_fixture.h"

namespace keldra {
namespace {

using namespace testing;

TEST(Sublayers, SplitAtTheExcavationLevelAndTheWaterTable) {
    SoilBlock soil = DrySoil();
    soil.ZWB = 60;
    AddLayer(soil, kSand, 100, kSandWeight, 0, kSandPhi);
    AddLayer(soil, kSoftClay, 300, 0.07, 5, 0);
    const SublayerTable t = BuildSublayers(soil, 120);
    ASSERT_EQ(t.NLE, 4);
    const double tops[] = {0, 60, 100, 120};
    const double thicknesses[] = {60, 40, 20, 180};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_DOUBLE_EQ(t.layer[i].ZTOP, tops[i - 1]) << i;
        EXPECT_DOUBLE_EQ(t.layer[i].T, thicknesses[i - 1]) << i;
        EXPECT_EQ(t.layer[i].belowWater, i >= 2) << i;
    }
    EXPECT_TRUE(t.layer[1].DRAINED);
    EXPECT_FALSE(t.layer[4].DRAINED);
    EXPECT_DOUBLE_EQ(t.layer[4].c, 5);
    EXPECT_EQ(t.IEXC, 4);
    EXPECT_FALSE(t.overflow);
}

TEST(Sublayers, WaterTableAtTheExcavationLevelIsOneCriticalDepth) {
    SoilBlock soil = DrySoil();
    soil.ZWB = 120 + 5e-6;
    AddLayer(soil, kSand, 300, kSandWeight, 0, kSandPhi);
    const SublayerTable t = BuildSublayers(soil, 120);
    ASSERT_EQ(t.NLE, 2);
    EXPECT_EQ(t.IEXC, 2);
    EXPECT_TRUE(t.layer[2].belowWater);
}

TEST(Sublayers, CriticalDepthAtALayerBottomAddsNoSublayer) {
    SoilBlock soil = DrySoil();
    soil.ZWB = 0;  // water table at the surface: a critical depth at 0 is ignored
    AddLayer(soil, kSand, 120 - 5e-6, kSandWeight, 0, kSandPhi);
    AddLayer(soil, kSand, 300, kSandWeight, 0, kSandPhi);
    const SublayerTable t = BuildSublayers(soil, 120);
    EXPECT_EQ(t.NLE, 2);
    EXPECT_EQ(t.IEXC, 2);
    EXPECT_TRUE(t.layer[1].belowWater);
}

TEST(Sublayers, LayersEndingAboveTheExcavationLevelHaveNoExcavationSublayer) {
    SoilBlock soil = DrySoil();
    AddLayer(soil, kSand, 120, kSandWeight, 0, kSandPhi);
    EXPECT_EQ(BuildSublayers(soil, 120).IEXC, 0);
    EXPECT_EQ(BuildSublayers(SoilBlock{}, 120).IEXC, 0);
}

TEST(Sublayers, MoreLayersThanTheInputHoldsOverflow) {
    SoilBlock soil = DrySoil();
    soil.NSOIL = kMaxSoilLayers + 1;
    EXPECT_TRUE(BuildSublayers(soil, 120).overflow);
}

TEST(Overburden, TotalStressLessPorePressureBelowTheWaterTable) {
    SoilBlock soil = DrySoil();
    soil.ZWB = 60;
    AddLayer(soil, kSand, 100, kSandWeight, 0, kSandPhi);
    AddLayer(soil, kSoftClay, 300, 0.07, 5, 0);
    SublayerTable t = BuildSublayers(soil, 120);
    ComputeOverburden(t, 2.0, soil.ZWB, kWater);
    EXPECT_DOUBLE_EQ(t.layer[1].SIGV, 2.0);
    EXPECT_DOUBLE_EQ(t.layer[2].SIGV, 2.0 + 60 * kSandWeight);
    EXPECT_DOUBLE_EQ(t.layer[3].SIGV, 2.0 + 100 * kSandWeight - 40 * kWater);
    EXPECT_DOUBLE_EQ(t.layer[4].SIGV, 2.0 + 100 * kSandWeight + 20 * 0.07 - 60 * kWater);
}

}  // namespace
}  // namespace keldra
