#include "app/views/structurescene.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/tables/formdescription.h"
#include "app/views/displayswitches.h"
#include "app/views/scenecolours.h"
#include "app/views/scenedimensions.h"
#include "viewsfixture.h"

namespace {

// The English example with every symbol of the structure list switched on.
struct TEverySymbol : TViewsProject {
    TEverySymbol() {
        englishExample(project);
        project.options.concentratedLoads = true;
        project.options.lateralSprings = true;
        project.options.restraints = true;
        project.options.tieback = true;
        project.options.additionalSurcharge = true;
        // Lateral load at node 0; moment and axial load interpolated from node 2 to node 4.
        setRows(TableName::BoundCond,
                {{1, 0, 0, 1000, 0, 0}, {2, 2, 2, 0, -500, 300}, {1, 3, 4, 0, -500, 300}});
        setRows(TableName::SoilStrength, {{1, 10, 11, 5000, 0}});
        setRows(TableName::SoilLayer, {{1, 40, 0.0, 0}, {2, 0, 0, -0.01}});
        // Depth 5 ft, 1 in² rod, unbonded 20 ft at 15°, spacing 8 ft.
        setRows(TableName::TiebackTable1, {{5, 1.0, 29e6, 20, 15, 8}});
        setRows(TableName::SurchargeTable,
                {{1, 1000, 60, 0}, {2, -100, 120, 0}, {3, 10, 240, 48}, {1, 0, 12, 0}});
    }
    [[nodiscard]] TSceneList build(const TDisplaySwitches& switches = {}) const {
        return TStructureScene::build(project, TSceneDimensions::of(project), switches, {});
    }
};

int countSymbols(const TSceneList& list, TSymbolKind kind, int colour) {
    int n = 0;
    for (const TSceneSymbol& s : list.symbols) n += s.kind == kind && s.colourIndex == colour;
    return n;
}

}  // namespace

TEST(StructureScene, ProjectWithEverySymbol) {
    const TEverySymbol f;
    const TSceneList list = f.build();
    constexpr int kPanels = 20;
    // Red arrows: lateral load (1 node), deflection restraint (1), point surcharge (1 row).
    EXPECT_EQ(countSymbols(list, TSymbolKind::Arrow, 3), 3 * kPanels);
    // Green: moments at nodes 2..4, the slope restraint; arrows of the line load at 21 joints.
    EXPECT_EQ(countSymbols(list, TSymbolKind::Moment, 2), 4 * kPanels);
    EXPECT_EQ(countSymbols(list, TSymbolKind::Arrow, 2), 21);
    // Blue: axial loads at nodes 2..4 and three rows of strip arrows.
    EXPECT_EQ(countSymbols(list, TSymbolKind::Arrow, 1), 3 * kPanels + 3 * kPanels);
    EXPECT_EQ(list.lines.size(), 2u);  // the line load's two joining lines

    // Boxes: 20 panels, 2 springs × 20, 2 × round(10·2/8) = 2 × 3 anchors of rod and bond block
    // on each side... N = round(20 / 8) = 3 anchors per side, each a rod and a bond block; the
    // strip slab.
    EXPECT_EQ(list.boxes.size(), 20u + 40u + 2u * 3u * 2u + 1u);
    EXPECT_EQ(list.quads.size(), 20u);  // panel caps
    EXPECT_EQ(list.boxes[0].fill, SceneColour::kPanelFill);
    EXPECT_EQ(list.boxes[0].edges, SceneColour::kPanelEdges);
    EXPECT_EQ(list.quads[0].fill, SceneColour::kPanelTopFill);
}

TEST(StructureScene, SymbolsSitWhereTheirLoadsAct) {
    const TEverySymbol f;
    const TSceneList list = f.build();
    const TSceneSymbol& lateral = list.symbols.front();  // node 0, 1000 lbs toward the excavation
    EXPECT_EQ(lateral.colourIndex, 3);
    EXPECT_DOUBLE_EQ(lateral.anchor.x, -0.05);  // the backfill face
    EXPECT_DOUBLE_EQ(lateral.anchor.z, 0.0);
    EXPECT_DOUBLE_EQ(lateral.direction.x, 1.0);
    EXPECT_DOUBLE_EQ(lateral.size, 4.0 * 2 / 3);

    // A negative moment turns the other way; the slope restraint's symbol is 2w.
    const auto moment =
        std::find_if(list.symbols.begin(), list.symbols.end(),
                     [](const TSceneSymbol& s) { return s.kind == TSymbolKind::Moment; });
    ASSERT_NE(moment, list.symbols.end());
    EXPECT_DOUBLE_EQ(moment->direction.y, -1.0);
    EXPECT_DOUBLE_EQ(moment->size, 8.0);
    EXPECT_DOUBLE_EQ(moment->anchor.z, -1.0);  // node 2 at 0.5 ft per increment

    // The negative line load pulls: its arrows point up from the ground.
    const auto lineLoad = std::find_if(
        list.symbols.begin(), list.symbols.end(),
        [](const TSceneSymbol& s) { return s.kind == TSymbolKind::Arrow && s.colourIndex == 2; });
    ASSERT_NE(lineLoad, list.symbols.end());
    EXPECT_DOUBLE_EQ(lineLoad->direction.z, 1.0);
    EXPECT_DOUBLE_EQ(lineLoad->anchor.z, 2.0);  // the tip one panel width above the ground
    EXPECT_DOUBLE_EQ(lineLoad->anchor.x, -10.0);
}

TEST(StructureScene, TiebackRodsRunIntoTheBackfillAtTheirAngle) {
    const TEverySymbol f;
    const TSceneList list = f.build();
    const TSceneBox& rod = list.boxes[60];  // after the panels and the springs
    const TVec3 head = (rod.corners[0] + rod.corners[3]) * 0.5;
    const TVec3 end = (rod.corners[4] + rod.corners[7]) * 0.5;
    EXPECT_NEAR(head.x, -0.05, 1e-12);
    EXPECT_NEAR(head.z, -5.0, 1e-12);
    EXPECT_NEAR(std::hypot(end.x - head.x, end.z - head.z), 20.0, 1e-9);
    EXPECT_NEAR(std::atan2(head.z - end.z, head.x - end.x) * 180 / 3.14159265358979, 15.0, 1e-9);
    EXPECT_NEAR(
        std::abs(rod.corners[1].x - rod.corners[0].x) / std::sin(15 * 3.14159265358979 / 180),
        1.0 / 12, 1e-9);               // side √1 in² = 1/12 ft
    EXPECT_NEAR(head.y, -4.0, 1e-12);  // first anchor at -spacing / 2
    EXPECT_EQ(rod.fill, SceneColour::kTiebackFill);
}

TEST(StructureScene, SwitchesAndOptionsHideTheirObjects) {
    TEverySymbol f;
    TDisplaySwitches off;
    off.wall = off.concentratedLoads = off.boundaryConditions = off.tieBacks = false;
    off.lateralSprings = off.additionalSurcharge = false;
    const TSceneList none = f.build(off);
    EXPECT_TRUE(none.boxes.empty() && none.symbols.empty() && none.quads.empty());

    f.project.options.concentratedLoads = f.project.options.lateralSprings = false;
    f.project.options.restraints = f.project.options.tieback = false;
    f.project.options.additionalSurcharge = false;
    const TSceneList wallOnly = f.build();
    EXPECT_EQ(wallOnly.boxes.size(), 20u);
    EXPECT_TRUE(wallOnly.symbols.empty());
}

TEST(StructureScene, DeformedWallBendsEachPost) {
    TEverySymbol f;
    f.project.options = {};
    TDisplaySwitches switches;
    switches.deformedShape = true;
    switches.undeformedModel = true;
    switches.deformationFactor = 10.0;
    std::vector<double> deflection(41);
    for (int i = 0; i <= 40; ++i) deflection[i] = 0.01 * (40 - i);  // tilted about the tip
    const TSceneDimensions dims = TSceneDimensions::of(f.project);
    const TSceneList list = TStructureScene::build(f.project, dims, switches, deflection);
    ASSERT_EQ(list.boxes.size(), 20u * (40u + 1u));  // 40 bricks and an outline per post
    const TSceneBox& top = list.boxes[0];            // the top brick of the first post
    EXPECT_FALSE(top.outlineOnly);
    EXPECT_TRUE(list.boxes[40].outlineOnly);
    // The top node moves 0.4 × 10 = 4 across; the brick keeps the thickness t = 0.1.
    const TVec3 backfill = top.corners[4];
    const TVec3 excavation = top.corners[5];
    EXPECT_NEAR((backfill.x + excavation.x) / 2, 4.0, 1e-9);
    EXPECT_NEAR(std::hypot(excavation.x - backfill.x, excavation.z - backfill.z), 0.1, 1e-12);
    EXPECT_LT(backfill.x, excavation.x);
    EXPECT_NEAR(top.corners[2].y - top.corners[0].y, 0.1, 1e-12);  // a post t wide

    // Without a deflection for every node the straight wall is drawn.
    deflection.resize(10);
    EXPECT_EQ(TStructureScene::build(f.project, dims, switches, deflection).boxes.size(), 20u);
}
