#include "engine/earth_pressure_coefficients.h"

#include <gtest/gtest.h>

#include <cmath>

#include "earth_pressure_fixture.h"

namespace keldra {
namespace {

using namespace testing;

TEST(Coefficients, HorizontalBackfillRankine) {
    const EarthPressureCoefficients k = RankineCoefficients(30, 0);
    EXPECT_NEAR(k.KA, 1.0 / 3, 1e-6);
    EXPECT_NEAR(k.KP, 3.0, 1e-5);
    EXPECT_NEAR(k.SQKA, std::sqrt(1.0 / 3), 1e-6);
    const EarthPressureCoefficients clay = RankineCoefficients(0, 0);
    EXPECT_NEAR(clay.KA, 1, 1e-5);  // the degree factor 57.2958 is not exact
    EXPECT_NEAR(clay.KP, 1, 1e-5);
}

TEST(Coefficients, SlopingBackfillRaisesTheActiveCoefficientOnly) {
    // beta = 10, phi = 30: the textbook value 0.350.
    for (double beta : {10.0, -10.0}) {
        const EarthPressureCoefficients k = RankineCoefficients(30, beta);
        EXPECT_NEAR(k.KA, 0.34952, 1e-5);
        EXPECT_NEAR(k.SQKA * k.SQKA, k.KA, 1e-12);
        EXPECT_NEAR(k.KP, 3.0, 1e-5);
    }
}

TEST(Coefficients, SlopeAtLeastAsSteepAsPhiKeepsHorizontalValuesAndWarnsAboveTheExcavation) {
    EXPECT_TRUE(SlopeTooSteep(30, 30));
    EXPECT_TRUE(SlopeTooSteep(0, 5));
    EXPECT_FALSE(SlopeTooSteep(0, 0));  // a clay under a level backfill
    EXPECT_NEAR(RankineCoefficients(30, 35).KA, 1.0 / 3, 1e-6);

    SoilBlock soil = DrySoil();
    AddLayer(soil, kSand, 60, kSandWeight, 0, 20);
    AddLayer(soil, kSand, 100, kSandWeight, 0, 40);
    AddLayer(soil, kSand, 300, kSandWeight, 0, 20);
    SublayerTable t = BuildSublayers(soil, 120);   // 0-60 phi 20, 60-100 phi 40, 100-120, 120-300
    EXPECT_EQ(AssignCoefficients(t, 25, 120), 2);  // the phi 20 sublayers above 120
    EXPECT_NEAR(t.layer[1].KA, HorizontalBackfillCoefficients(20).KA, 1e-12);
    EXPECT_NEAR(t.layer[2].KA, RankineCoefficients(40, 25).KA, 1e-12);
    EXPECT_GT(t.layer[2].KA, HorizontalBackfillCoefficients(40).KA);
}

}  // namespace
}  // namespace keldra
