#include "engine/earth_pressure_table.h"

#include <gtest/gtest.h>

#include <memory>

#include "earth_pressure_fixture.h"
#include "engine/earth_pressure_coefficients.h"
#include "engine/surcharge.h"

namespace keldra {
namespace {

using namespace testing;

struct Wall {
    double HFREE = 120, WL = 300;
    int KUNIT = 1;
    double H = 4;
};

class PressureTable : public ::testing::Test {
  protected:
    EarthPressureTable& Build(const SoilBlock& soil, const Wall& wall = {}) {
        soil_ = soil;
        table_ = BuildSublayers(soil_, wall.HFREE);
        ComputeOverburden(table_, soil_.QSURF, soil_.ZWB, kWater);
        (void)AssignCoefficients(table_, soil_.BETA, wall.HFREE);
        density_ = PressurePointsPerLength(wall.KUNIT, wall.H);
        const PressureTableInput in{&soil_,      wall.HFREE, wall.WL, soil_.ZWB, soil_.ZWE,
                                    soil_.QSURF, soil_.FMOD, kWater,  density_};
        EXPECT_TRUE(BuildPressureTable(table_, in, *ep_));
        return *ep_;
    }
    double KA() const { return table_.layer[1].KA; }

    SoilBlock soil_{};
    SublayerTable table_{};
    double density_ = 1;
    std::unique_ptr<EarthPressureTable> ep_ = std::make_unique<EarthPressureTable>();
};

SoilBlock UniformSand() {
    SoilBlock soil = DrySoil();
    AddLayer(soil, kSand, 300, kSandWeight, 0, kSandPhi);
    return soil;
}

TEST_F(PressureTable, DrySandIsKaGammaZAboveTheExcavationAndConstantBelow) {
    const EarthPressureTable& ep = Build(UniformSand());
    ASSERT_EQ(ep.count, 301);  // one point per inch from 0 to the tip
    for (int k : {1, 2, 61, 121}) {
        const double z = k - 1;
        EXPECT_DOUBLE_EQ(ep.ZEP[k], z);
        EXPECT_NEAR(ep.PAEP[k], KA() * kSandWeight * z, 1e-12) << z;
        EXPECT_NEAR(ep.PASOIL[k], ep.PAEP[k], 1e-12);
        EXPECT_EQ(ep.PASUR[k], 0);
    }
    for (int k : {122, 200, 301}) EXPECT_NEAR(ep.PAEP[k], KA() * kSandWeight * 120, 1e-12);
    EXPECT_DOUBLE_EQ(ep.ZEP[301], 300);
    EXPECT_NEAR(ActiveForceAboveExcavation(ep, 120, density_), 150, 1e-3);
}

TEST_F(PressureTable, WaterTableAddsPorePressureOverSubmergedSand) {
    SoilBlock soil = UniformSand();
    soil.ZWB = 60;
    const EarthPressureTable& ep = Build(soil);
    const double gammaSub = kSandWeight - kWater;
    for (double z : {90.0, 120.0}) {
        const double expected = KA() * (kSandWeight * 60 + gammaSub * (z - 60)) + kWater * (z - 60);
        EXPECT_NEAR(ep.PAEP[static_cast<int>(z) + 1], expected, 1e-12) << z;
    }
    // Below the excavation only the effective stress there counts.
    EXPECT_NEAR(ep.PAEP[200], KA() * (kSandWeight * 60 + gammaSub * 60), 1e-12);
}

TEST_F(PressureTable, FreeWaterInTheExcavationPushesBack) {
    SoilBlock soil = UniformSand();
    soil.ZWB = 60;
    soil.ZWE = 100;
    SoilBlock dryExcavation = soil;
    dryExcavation.ZWE = 1e6;
    const double without = Build(dryExcavation).PAEP[111];
    EXPECT_NEAR(Build(soil).PAEP[111], without - 10 * kWater, 1e-12);  // z = 110
}

TEST_F(PressureTable, SurfacePressureIsReportedWithTheSurcharges) {
    SoilBlock soil = UniformSand();
    soil.QSURF = 1.5;
    const EarthPressureTable& ep = Build(soil);
    EXPECT_NEAR(ep.PAEP[1], KA() * 1.5, 1e-12);
    EXPECT_NEAR(ep.PASUR[1], KA() * 1.5, 1e-12);
    EXPECT_EQ(ep.PASOIL[1], 0);
    EXPECT_NEAR(ep.PAEP[61], KA() * (1.5 + kSandWeight * 60), 1e-12);
    EXPECT_NEAR(ep.PASUR[61], KA() * 1.5, 1e-12);
    EXPECT_NEAR(ep.PASOIL[61], KA() * kSandWeight * 60, 1e-12);
}

TEST_F(PressureTable, SurchargeRowsAddTheSampledPressure) {
    SoilBlock soil = UniformSand();
    soil.surcharge[++soil.NSUR] = {kLineLoad, 100, 96, 0};
    const EarthPressureTable& ep = Build(soil);
    const double surcharge = SampledSurchargePressure(soil, 50, 120, 300);
    EXPECT_GT(surcharge, 0);
    EXPECT_NEAR(ep.PASUR[51], surcharge, 1e-12);
    EXPECT_NEAR(ep.PAEP[51], KA() * kSandWeight * 50 + surcharge, 1e-12);
}

TEST_F(PressureTable, CohesiveTensionIsWrittenAsZero) {
    SoilBlock soil = DrySoil();
    AddLayer(soil, kSoftClay, 300, 0.07, 2, 0);
    const EarthPressureTable& ep = Build(soil);
    EXPECT_EQ(ep.PAEP[31], 0);  // 0.07 * 30 < 2c
    EXPECT_EQ(ep.PASOIL[31], 0);
    EXPECT_GT(ep.PAEP[100], 0);
}

TEST_F(PressureTable, PointSpacingPerUnitSystemEndsAtTheTip) {
    struct Case {
        Wall wall;
        int count;
    };
    const Case cases[] = {{{3, 6, 2, 0.15}, 1 + 20 * 6},  // SI: twenty per metre
                          {{3, 6, 3, 0.5}, 1 + 8 * 6},    // generic: four per increment
                          {{120, 200, 1, 4}, 1 + 200},    // English, layers below the tip
                          {{120, 400, 1, 4}, 1 + 400}};   // English, layers above the tip
    for (const Case& c : cases) {
        SoilBlock soil = DrySoil();
        AddLayer(soil, kSand, c.wall.HFREE, kSandWeight, 0, kSandPhi);
        AddLayer(soil, kSand, 250, kSandWeight, 0, kSandPhi);
        AddLayer(soil, kSand, 300, kSandWeight, 0, kSandPhi);
        const EarthPressureTable& ep = Build(soil, c.wall);
        EXPECT_EQ(ep.count, c.count) << c.wall.WL;
        EXPECT_DOUBLE_EQ(ep.ZEP[ep.count], c.wall.WL);
    }
}

TEST_F(PressureTable, OneSupportTrapezoidRisesStaysFlatAndFallsToZero) {
    EarthPressureTable& ep = Build(UniformSand());
    const double FTOT = ActiveForceAboveExcavation(ep, 120, density_);
    const double soilAt90 = ep.PASOIL[91], deep = ep.PAEP[200];
    Trapezoid shape{};
    ASSERT_TRUE(MakeTrapezoid(FTOT, 120, 30, 30, 1, shape));
    EXPECT_DOUBLE_EQ(shape.H1, 20);  // 2/3 of the support depth
    EXPECT_DOUBLE_EQ(shape.H2, 40);  // HFREE / 3
    EXPECT_DOUBLE_EQ(shape.H3, 60);
    EXPECT_NEAR(shape.pmax, 1.3 * FTOT * 3 / 240, 1e-12);
    ApplyTrapezoid(shape, 120, ep);
    EXPECT_NEAR(ep.PAEP[11], shape.pmax / 2, 1e-12);  // z = 10
    EXPECT_NEAR(ep.PAEP[41], shape.pmax, 1e-12);
    EXPECT_NEAR(ep.PAEP[61], shape.pmax, 1e-12);  // z = 60 = H1 + H2
    EXPECT_NEAR(ep.PAEP[91], shape.pmax / 2, 1e-12);
    EXPECT_NEAR(ep.PAEP[121], 0, 1e-12);
    EXPECT_EQ(ep.PASOIL[91], soilAt90);
    EXPECT_EQ(ep.PAEP[200], deep);
}

TEST(Trapezoid, SeveralSupportsSpreadOverTheHeightBetweenThem) {
    Trapezoid shape{};
    ASSERT_TRUE(MakeTrapezoid(150, 120, 30, 90, 3, shape));
    EXPECT_DOUBLE_EQ(shape.H1, 20);
    EXPECT_DOUBLE_EQ(shape.H3, 20);
    EXPECT_DOUBLE_EQ(shape.H2, 80);
    EXPECT_NEAR(shape.pmax, 1.3 * 150 / (120 - 40.0 / 3), 1e-12);
    EXPECT_FALSE(MakeTrapezoid(150, 120, 30, 90, 0, shape));
    EXPECT_FALSE(MakeTrapezoid(150, 120, 600, 0, 2, shape));  // supports leave no height
}

}  // namespace
}  // namespace keldra
