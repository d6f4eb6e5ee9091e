#include "app/views/soilscene.h"

#include <gtest/gtest.h>

#include "app/tables/formdescription.h"
#include "app/views/displayswitches.h"
#include "app/views/scenecolours.h"
#include "app/views/scenedimensions.h"
#include "viewsfixture.h"

namespace {

// Depth range and side of a box: the most negative and most positive x, z of its corners.
struct TExtent {
    double xMin = 1e300, xMax = -1e300, zMin = 1e300, zMax = -1e300;
};
TExtent extentOf(const TSceneBox& box) {
    TExtent e;
    for (const TVec3& c : box.corners) {
        e.xMin = std::min(e.xMin, c.x);
        e.xMax = std::max(e.xMax, c.x);
        e.zMin = std::min(e.zMin, c.z);
        e.zMax = std::max(e.zMax, c.z);
    }
    return e;
}

}  // namespace

TEST(SoilScene, ExcavationSideHoldsSoilOnlyBelowTheFreeHeight) {
    TViewsProject f;
    TViewsProject::englishExample(f.project);  // H = 10 ft, t = 0.1 ft, D = 25 ft
    f.setLayers({{1, 6.0}, {4, 14.0}, {6, 30.0}});
    TDisplaySwitches switches;
    switches.waterLevel = false;
    const TSceneDimensions dims = TSceneDimensions::of(f.project);
    const TSceneList list = TSoilScene::build(f.project, dims, switches);

    // Layer 1 lies wholly above H: backfill only. Layer 2 is cut by H. Layer 3 lies below.
    ASSERT_EQ(list.boxes.size(), 5u);
    const TExtent first = extentOf(list.boxes[0]);
    EXPECT_DOUBLE_EQ(first.xMin, -25.0);
    EXPECT_DOUBLE_EQ(first.xMax, -0.05);
    EXPECT_DOUBLE_EQ(first.zMin, -6.0);
    EXPECT_DOUBLE_EQ(first.zMax, 0.0);
    const TExtent cutBackfill = extentOf(list.boxes[1]);
    EXPECT_DOUBLE_EQ(cutBackfill.zMax, -6.0);
    const TExtent cutExcavation = extentOf(list.boxes[2]);
    EXPECT_DOUBLE_EQ(cutExcavation.xMin, 0.05);
    EXPECT_DOUBLE_EQ(cutExcavation.xMax, 25.0);
    EXPECT_DOUBLE_EQ(cutExcavation.zMax, -10.0);
    EXPECT_DOUBLE_EQ(cutExcavation.zMin, -14.0);
    EXPECT_DOUBLE_EQ(extentOf(list.boxes[4]).zMax, -14.0);

    // Colour by layer index: translucent faces, opaque edges.
    EXPECT_EQ(list.boxes[0].edges, SceneColour::layer(0));
    EXPECT_EQ(list.boxes[0].fill, SceneColour::layer(0).withOpacity(0.5f));
    EXPECT_EQ(list.boxes[4].edges, (TColour{0.4f, 0.4f, 0.2f, 1.0f}));
    EXPECT_EQ(SceneColour::layer(13), SceneColour::layer(3));
}

TEST(SoilScene, LayersNeedGeneratedPyCurvesAndTheirSwitch) {
    TViewsProject f;
    TViewsProject::englishExample(f.project);
    f.setLayers({{1, 30.0}});
    TDisplaySwitches switches;
    const TSceneDimensions dims = TSceneDimensions::of(f.project);
    f.project.options.generatePyCurves = false;
    EXPECT_TRUE(TSoilScene::build(f.project, dims, switches).boxes.empty());
    f.project.options.generatePyCurves = true;
    switches.soilLayers = false;
    EXPECT_TRUE(TSoilScene::build(f.project, dims, switches).boxes.empty());
}

TEST(SoilScene, WaterTablesArePlanesWithAGridOfSymbols) {
    TViewsProject f;
    TViewsProject::englishExample(f.project);
    f.project.configuration.waterDepthBackfill = 60.0;     // 5 ft
    f.project.configuration.waterDepthExcavation = 180.0;  // 15 ft
    TDisplaySwitches switches;
    switches.soilLayers = false;
    const TSceneList list = TSoilScene::build(f.project, TSceneDimensions::of(f.project), switches);
    ASSERT_EQ(list.quads.size(), 2u);
    EXPECT_DOUBLE_EQ(list.quads[0].corners[0].z, -5.0);
    EXPECT_DOUBLE_EQ(list.quads[0].corners[1].x, -25.0);
    EXPECT_DOUBLE_EQ(list.quads[1].corners[0].z, -15.0);
    EXPECT_DOUBLE_EQ(list.quads[1].corners[1].x, 25.0);
    EXPECT_EQ(list.quads[0].fill, (TColour{0, 0, 1, 0.75f}));
    ASSERT_EQ(list.pyramids.size(), 50u);
    EXPECT_DOUBLE_EQ(list.pyramids[0].size, 2.0);  // 4 increments of 0.5 ft
    EXPECT_DOUBLE_EQ(list.pyramids[0].apex.z, -5.0);
    EXPECT_EQ(list.pyramids[0].fill.opacity, 0.5f);
    EXPECT_EQ(list.pyramids[49].fill.opacity, 0.75f);
}
