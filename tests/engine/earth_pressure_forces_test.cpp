#include "engine/earth_pressure_forces.h"

#include <gtest/gtest.h>

#include "earth_pressure_fixture.h"
#include "engine/earth_pressure_coefficients.h"
#include "engine/surcharge.h"

namespace keldra {
namespace {

using namespace testing;

constexpr double kHFREE = 120;

SublayerTable Forces(const SoilBlock& soil) {
    SublayerTable t = BuildSublayers(soil, kHFREE);
    ComputeOverburden(t, soil.QSURF, soil.ZWB, kWater);
    (void)AssignCoefficients(t, soil.BETA, kHFREE);
    ComputeActiveForces(t, soil, {kHFREE, soil.ZWB, kWater, soil.FMOD});
    ComputeWaterForces(t, soil.ZWB, kWater);
    return t;
}

TEST(ActiveForces, DrySandIsTheRankineTriangle) {
    SoilBlock soil = DrySoil();
    AddLayer(soil, kSand, 300, kSandWeight, 0, kSandPhi);
    const SublayerTable t = Forces(soil);
    const Sublayer& sub = t.layer[1];
    const double KA = sub.KA;
    EXPECT_DOUBLE_EQ(sub.PA1, 0);
    EXPECT_DOUBLE_EQ(sub.PA2, KA * kSandWeight * kHFREE * kHFREE / 2);  // 150 for KA = 1/3
    EXPECT_DOUBLE_EQ(sub.PA3, 0);
    EXPECT_DOUBLE_EQ(sub.Z1, 60);
    EXPECT_DOUBLE_EQ(sub.Z2, 80);
    EXPECT_NEAR(NetActiveForce(t), 150, 1e-3);
}

TEST(ActiveForces, SandBelowTheWaterTableIsSubmergedAndCarriesWater) {
    SoilBlock soil = DrySoil();
    soil.ZWB = 60;
    AddLayer(soil, kSand, 300, kSandWeight, 0, kSandPhi);
    const SublayerTable t = Forces(soil);
    ASSERT_EQ(t.IEXC, 3);
    const Sublayer& wet = t.layer[2];
    EXPECT_DOUBLE_EQ(wet.PA1, 60 * kSandWeight * wet.KA * 60);
    EXPECT_DOUBLE_EQ(wet.PA2, 60 * 60 * (kSandWeight - kWater) / 2 * wet.KA);
    EXPECT_DOUBLE_EQ(wet.PW1, 0);  // its top is the water table
    EXPECT_DOUBLE_EQ(wet.PW2, -60 * 60 * kWater / 2);
    EXPECT_DOUBLE_EQ(t.layer[1].PW2, 0);
    EXPECT_TRUE(HasWaterForce(wet));
    EXPECT_NEAR(NetActiveForce(t), t.layer[1].PA2 + wet.PA1 + wet.PA2 + 64.8, 1e-9);
}

TEST(ActiveForces, ClayBelowTheWaterTableGetsNeitherSubmergedWeightNorWater) {
    SoilBlock soil = DrySoil();
    soil.ZWB = 60;
    AddLayer(soil, kSoftClay, 300, 0.07, 0, 0);
    const SublayerTable t = Forces(soil);
    const Sublayer& wet = t.layer[2];
    EXPECT_DOUBLE_EQ(wet.PA2, 60 * 60 * 0.07 / 2 * wet.KA);
    EXPECT_EQ(wet.PW1, 0);
    EXPECT_EQ(wet.PW2, 0);
    EXPECT_FALSE(HasWaterForce(wet));
}

TEST(ActiveForces, CohesiveTopInTensionLeavesOnlyTheTriangleBelowTheCrack) {
    SoilBlock soil = DrySoil();
    AddLayer(soil, kSoftClay, 300, 0.07, 2, 0);
    const SublayerTable t = Forces(soil);
    const Sublayer& sub = t.layer[1];
    const double KA = sub.KA, cohesion = 2 * 2 * sub.SQKA;  // KA = 1 for phi = 0
    const double sBot = 120 * 0.07 * KA - cohesion;         // 4.4
    const double ZCR = sBot * 120 / (sBot + cohesion);      // 62.86
    EXPECT_EQ(sub.PA1, 0);
    EXPECT_EQ(sub.PA2, 0);
    EXPECT_EQ(sub.PA3, 0);
    EXPECT_NEAR(sub.ZCR, 62.857, 1e-3);
    EXPECT_DOUBLE_EQ(sub.ZCR, ZCR);
    EXPECT_NEAR(sub.PA4, 138.29, 1e-2);
    EXPECT_NEAR(sub.Z3, 120 - 62.857 / 3, 1e-3);

    SoilBlock strong = DrySoil();  // tension over the whole sublayer
    AddLayer(strong, kSoftClay, 300, 0.07, 10, 0);
    const Sublayer& none = Forces(strong).layer[1];
    EXPECT_EQ(none.PA4, 0);
    EXPECT_EQ(none.ZCR, 0);
}

TEST(ActiveForces, EverySurchargeRowAddsToTheOverburdenForce) {
    SoilBlock soil = DrySoil();
    AddLayer(soil, kSand, 300, kSandWeight, 0, kSandPhi);
    const SurchargeRow point{kPointLoad, 1000, 24, 0}, strip{kStripLoad, 10, 60, 40};
    auto PA1 = [&](std::initializer_list<SurchargeRow> rows) {
        SoilBlock with = soil;
        for (const SurchargeRow& row : rows) with.surcharge[++with.NSUR] = row;
        return Forces(with).layer[1].PA1;
    };
    EXPECT_GT(PA1({point}), 0);
    EXPECT_GT(PA1({strip}), 0);
    EXPECT_NEAR(PA1({point, strip}), PA1({point}) + PA1({strip}), 1e-12);
}

}  // namespace
}  // namespace keldra
