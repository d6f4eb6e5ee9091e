#include "engine/soil_profile.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "engine/state.h"

namespace keldra {

namespace {

constexpr double kGAMW = 0.036;

// A 40-increment wall of 6 in with 120 in free height: the p-y layers end at
// the tip plus two increments, 132 in below the excavation level.
class SoilProfileTest : public ::testing::Test {
  protected:
    SoilProfileTest() {
        grid_.NINC = 40;
        grid_.H = 6.0;
        grid_.HFREE = 120.0;
        soil_.ZWB = 1000.0;
    }

    // Layer to `depth` below the top of the wall: unit weight, strength,
    // friction angle and E50 at its top, strength and E50 at its bottom.
    void AddLayer(int type, double depth, double gamma, double c, double phi, double e50,
                  double cBottom, double e50Bottom) {
        const int n = ++soil_.NSOIL;
        SoilLayerInput& layer = soil_.layer[n];
        layer.type = type;
        layer.depth = depth;
        layer.thickness = depth - (n > 1 ? soil_.layer[n - 1].depth : 0.0);
        layer.top[1] = layer.bottom[1] = gamma;
        layer.top[2] = c;
        layer.bottom[2] = cBottom;
        layer.top[3] = layer.bottom[3] = phi;
        layer.top[4] = e50;
        layer.bottom[4] = e50Bottom;
        layer.top[5] = 10.0 * n;
    }

    const SoilProfile& Build(bool si = false) {
        BuildSoilProfile(soil_, grid_, kGAMW, si, *profile_);
        return *profile_;
    }

    WallGrid grid_{};
    SoilBlock soil_{};
    std::unique_ptr<SoilProfile> profile_ = std::make_unique<SoilProfile>();
};

void ExpectWeights(const SoilProfile& p, std::initializer_list<std::array<double, 2>> points) {
    ASSERT_EQ(p.NWT, static_cast<int>(points.size()));
    int k = 0;
    for (const auto& point : points) {
        ++k;
        EXPECT_DOUBLE_EQ(p.ZWT[k], point[0]) << "point " << k;
        EXPECT_DOUBLE_EQ(p.GWT[k], point[1]) << "point " << k;
    }
}

}  // namespace

TEST_F(SoilProfileTest, LayerEndingAtTheExcavationLevelGivesNoPyLayer) {
    AddLayer(1, 120.0, 0.07, 5.0, 0.0, 0.02, 5.0, 0.02);
    AddLayer(4, 400.0, 0.065, 0.0, 35.0, 0.0, 0.0, 0.0);
    const SoilProfile& p = Build();
    ASSERT_EQ(p.NPY, 1);
    EXPECT_EQ(p.layer[1].KSOIL, 4);
    EXPECT_EQ(p.layer[1].XTOP, 0.0);
    EXPECT_EQ(p.layer[1].XBOT, 132.0);  // cut at the tip plus two increments
    EXPECT_EQ(p.layer[1].AKPY, 20.0);
    ASSERT_EQ(p.NSTA, 5);
    const double stations[] = {0.1, 33.0, 66.0, 99.0, 131.9};
    for (int i = 1; i <= 5; ++i) EXPECT_DOUBLE_EQ(p.XSTA[i], stations[i - 1]);
    EXPECT_NEAR(p.PHSP[1], 35.0 * 3.1416 / 180.0, 1e-15);
}

TEST_F(SoilProfileTest, WaterTableInsideALayer) {
    soil_.ZWB = 150.0;
    AddLayer(1, 180.0, 0.07, 5.0, 0.0, 0.02, 5.0, 0.02);
    AddLayer(1, 400.0, 0.075, 8.0, 0.0, 0.01, 8.0, 0.01);
    const SoilProfile& p = Build();
    // The first layer's bottom point sits at the water table with the total
    // weight; the second layer's top point moves up to it, submerged.
    ExpectWeights(p, {{0.0, 0.07}, {30.0, 0.07}, {30.0, 0.075 - kGAMW}, {280.0, 0.075 - kGAMW}});
    EXPECT_EQ(p.NWTLAYERS, 4);
    EXPECT_EQ(p.NSP, 4);
    EXPECT_EQ(p.ZSP[4], 132.0);
}

TEST_F(SoilProfileTest, WaterTableInsideTheLastLayerAddsTwoSubmergedPoints) {
    soil_.ZWB = 150.0;
    AddLayer(1, 400.0, 0.07, 5.0, 0.0, 0.02, 5.0, 0.02);
    const SoilProfile& p = Build();
    ExpectWeights(p, {{0.0, 0.07}, {30.0, 0.07}, {30.0, 0.07 - kGAMW}, {132.0, 0.07 - kGAMW}});
    EXPECT_EQ(p.NWTLAYERS, 2);
}

TEST_F(SoilProfileTest, WaterTableAtALayerInterfaceSubmergesTheLowerLayerTop) {
    soil_.ZWB = 150.0;
    AddLayer(1, 150.0, 0.07, 5.0, 0.0, 0.02, 5.0, 0.02);
    AddLayer(1, 400.0, 0.075, 8.0, 0.0, 0.01, 8.0, 0.01);
    ExpectWeights(Build(),
                  {{0.0, 0.07}, {30.0, 0.07}, {30.0, 0.075 - kGAMW}, {280.0, 0.075 - kGAMW}});
}

TEST_F(SoilProfileTest, LayerBelowTheTipIsCutAndDeeperLayersDropped) {
    AddLayer(1, 200.0, 0.07, 5.0, 0.0, 0.02, 5.0, 0.02);
    AddLayer(3, 300.0, 0.07, 10.0, 0.0, 0.01, 20.0, 0.02);
    AddLayer(4, 400.0, 0.07, 0.0, 30.0, 0.0, 0.0, 0.0);
    const SoilProfile& p = Build();
    EXPECT_EQ(p.NPY, 2);
    EXPECT_EQ(p.NSP, 4);
    EXPECT_EQ(p.NSTA, 10);
    EXPECT_EQ(p.layer[2].XTOP, 80.0);
    EXPECT_EQ(p.layer[2].XBOT, 132.0);
    EXPECT_DOUBLE_EQ(p.SSP[4], 10.0 + 10.0 * 52.0 / 100.0);
    EXPECT_DOUBLE_EQ(p.E50SP[4], 0.01 + 0.01 * 52.0 / 100.0);
    EXPECT_EQ(p.NWT, 6) << "the dropped layer keeps its unit weight points";
    EXPECT_DOUBLE_EQ(p.XSTA[10], 131.9);
}

TEST_F(SoilProfileTest, StationOffsetIsOneCentimetreInSIUnits) {
    grid_.H = 0.25;
    grid_.HFREE = 4.0;
    AddLayer(1, 6.0, 18.0, 20.0, 0.0, 0.02, 20.0, 0.02);
    AddLayer(1, 12.0, 18.0, 30.0, 0.0, 0.02, 30.0, 0.02);
    const SoilProfile& p = Build(true);
    EXPECT_DOUBLE_EQ(p.XSTA[1], 0.01);
    EXPECT_DOUBLE_EQ(p.XSTA[5], 1.99);
    EXPECT_DOUBLE_EQ(p.XSTA[6], 2.01);
    EXPECT_DOUBLE_EQ(p.XSTA[10], 6.49);  // the tip plus two increments lies 6.5 m down
}

TEST_F(SoilProfileTest, LayersAboveTheExcavationOnlyGiveNoPyLayers) {
    AddLayer(1, 100.0, 0.07, 5.0, 0.0, 0.02, 5.0, 0.02);
    const SoilProfile& p = Build();
    EXPECT_EQ(p.NPY, 0);
    EXPECT_EQ(p.NSTA, 0);
}

TEST_F(SoilProfileTest, LookupsAtAStepAndBeyondTheProfile) {
    AddLayer(1, 200.0, 0.07, 5.0, 10.0, 0.02, 5.0, 0.02);
    AddLayer(3, 300.0, 0.07, 10.0, 20.0, 0.01, 20.0, 0.03);
    const SoilProfile& p = Build();
    const double deg = 3.1416 / 180.0;
    // At the interface (80 in): strength of the deeper layer, the mean of the rest.
    EXPECT_EQ(STRENGTHAT(p, 80.0), 10.0);
    EXPECT_DOUBLE_EQ(E50AT(p, 80.0), 0.015);
    EXPECT_DOUBLE_EQ(*PHIAT(p, 80.0), 15.0 * deg);
    // Inside a layer: linear, here up to the values at the cut (15.2 and 0.0204).
    EXPECT_DOUBLE_EQ(*STRENGTHAT(p, 106.0), 12.6);
    EXPECT_DOUBLE_EQ(E50AT(p, 106.0), 0.0152);
    EXPECT_DOUBLE_EQ(*STRENGTHAT(p, 132.0), 15.2);
    // Beyond the last point: no strength or friction angle, the last E50.
    EXPECT_FALSE(STRENGTHAT(p, 132.5).has_value());
    EXPECT_FALSE(PHIAT(p, 132.5).has_value());
    EXPECT_DOUBLE_EQ(E50AT(p, 140.0), p.E50SP[4]);
    // The average strength of layer 2 from its top.
    EXPECT_DOUBLE_EQ(*CAVGAT(p, 2, 106.0).value, 0.5 * (12.6 + 10.0));
    EXPECT_FALSE(CAVGAT(p, 2, 106.0).beyond);
    EXPECT_EQ(*CAVGAT(p, 2, 80.0).value, 10.0) << "at the layer top: the strength there";
    EXPECT_TRUE(CAVGAT(p, 2, 140.0).beyond);
}

TEST_F(SoilProfileTest, AverageUnitWeightAcrossTheWaterTable) {
    soil_.ZWB = 150.0;
    AddLayer(1, 180.0, 0.07, 5.0, 0.0, 0.02, 5.0, 0.02);
    AddLayer(1, 400.0, 0.075, 8.0, 0.0, 0.01, 8.0, 0.01);
    const SoilProfile& p = Build();
    EXPECT_DOUBLE_EQ(*GAMAVG(p, 60.0), (30.0 * 0.07 + 30.0 * (0.075 - kGAMW)) / 60.0);
    EXPECT_DOUBLE_EQ(*GAMAVG(p, 20.0), 0.07);
    EXPECT_EQ(*GAMAVG(p, 0.0), 0.07) << "at the surface: the first positive weight";
    EXPECT_EQ(*GAMAVG(p, -1.0), 0.0);
    EXPECT_FALSE(GAMAVG(p, 281.0).has_value());
}

}  // namespace keldra

namespace keldra {

TEST_F(SoilProfileTest, LayerBeginningAtTheTipPlusTwoIncrementsIsDropped) {
    AddLayer(1, 252.0, 0.07, 5.0, 0.0, 0.02, 5.0, 0.02);  // ends 132 in below the excavation
    AddLayer(4, 400.0, 0.07, 0.0, 30.0, 0.0, 0.0, 0.0);
    const SoilProfile& p = Build();
    EXPECT_EQ(p.NPY, 1);
    EXPECT_EQ(p.NSP, 2);
    EXPECT_EQ(p.NSTA, 5);
    EXPECT_EQ(p.NWT, 4);
    EXPECT_DOUBLE_EQ(p.XSTA[5], 131.9);
}

}  // namespace keldra
