#include "app/views/sideviewgeometry.h"

#include <gtest/gtest.h>

#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "viewsfixture.h"

namespace {

// The wall of the side-view example: L = 480 in, H = 240 in, layers to 15 ft and 60 ft.
struct TSideExample : TViewsProject {
    TSideExample() {
        project.wall.increments = 80;
        project.wall.incrementLength = 6.0;
        project.wall.freeHeight = 240.0;
        setLayers({{1, 15.0}, {4, 60.0}});
        geometry.activate(project);
        geometry.resize({1000, 800});
    }
    [[nodiscard]] TSideDrawing drawing() const { return geometry.screenDrawing(project); }
    // The strokes drawn at pixel row y.
    [[nodiscard]] std::vector<TSideStroke> strokesAt(double worldY) const {
        std::vector<TSideStroke> found;
        const int y = geometry.map(0, worldY).y();
        for (const TSideStroke& s : drawing().strokes)
            if (s.from.y() == y && s.to.y() == y) found.push_back(s);
        return found;
    }
    TSideViewGeometry geometry;
};

}  // namespace

TEST(SideViewGeometry, WorldWindowHoldsTheWallAndTheOrigin) {
    const TSideExample f;
    EXPECT_DOUBLE_EQ(f.geometry.topMargin(), 48.0);
    const TWorldWindow& w = f.geometry.world();
    EXPECT_DOUBLE_EQ(w.x1, -1.05 * 6.0);  // H/40
    EXPECT_DOUBLE_EQ(w.x2, 1.05 * 6.0);
    EXPECT_DOUBLE_EQ(w.y1, 0.0);
    EXPECT_DOUBLE_EQ(w.y2, 1.05 * (48.0 + 480.0));
    // The view is stretched sideways to the window's shape about the wall's centre line.
    const TWorldWindow& v = f.geometry.view();
    EXPECT_DOUBLE_EQ(v.y2, w.y2);
    EXPECT_DOUBLE_EQ((v.x2 - v.x1) / (v.y2 - v.y1), 1000.0 / 800.0);
    EXPECT_EQ(f.geometry.map(0, 0), QPoint(500, 0));
}

TEST(SideViewGeometry, WideAndTallWindowsKeepTheWallsProportion) {
    TSideExample f;
    for (const QSize client : {QSize(2000, 300), QSize(200, 900)}) {
        f.geometry.resize(client);
        const TSideDrawing d = f.drawing();
        ASSERT_EQ(d.wall.size(), 1u);
        const QRect wall = d.wall[0].boundingRect();
        // Width H/20 = 12 against length 480: 1 to 40 within the rounding of the pixels.
        EXPECT_NEAR(double(wall.height()) / wall.width(), 40.0, 40.0 * 2.0 / wall.width())
            << client.width() << "x" << client.height();
        EXPECT_EQ(f.geometry.map(0, 0).y(), 0);  // depth 0 stays at the top
    }
}

TEST(SideViewGeometry, EmptyStiffnessTableKeepsTheDefaultWindow) {
    TSideExample f;
    f.table(TableName::PileSect).setRowCount(0);
    f.geometry.activate(f.project);
    EXPECT_TRUE(f.geometry.outlines().empty());
    EXPECT_DOUBLE_EQ(f.geometry.world().x1, -10.0);
    EXPECT_DOUBLE_EQ(f.geometry.world().x2, 10.0);
    EXPECT_DOUBLE_EQ(f.geometry.world().y2, 10.0);
    EXPECT_TRUE(f.drawing().wall.empty());
}

TEST(SideViewGeometry, BoundariesAboveTheExcavationStopAtTheWall) {
    const TSideExample f;
    // 15 ft = 180 in, at y = 228, above the excavation at 288: to the centre.
    const auto upper = f.strokesAt(228.0);
    ASSERT_EQ(upper.size(), 1u);
    EXPECT_EQ(upper[0].from.x(), 0);
    EXPECT_EQ(upper[0].to.x(), 500);
    // 60 ft = 720 in, at y = 768: across the whole window.
    const auto lower = f.strokesAt(768.0);
    ASSERT_EQ(lower.size(), 1u);
    EXPECT_EQ(lower[0].to.x(), 1000);
    // The excavation surface runs from the wall to the right edge.
    const auto excavation = f.strokesAt(288.0);
    ASSERT_EQ(excavation.size(), 1u);
    EXPECT_EQ(excavation[0].from.x(), 500);
    EXPECT_EQ(excavation[0].to.x(), 1000);
}

TEST(SideViewGeometry, FlatBackfillGetsGroundStrokesSlopedOneARisingLine) {
    TSideExample f;
    const int groundY = f.geometry.map(0, 48.0).y();
    auto slanted = [&] {
        std::vector<TSideStroke> found;
        for (const TSideStroke& s : f.drawing().strokes)
            if (s.from.y() != s.to.y()) found.push_back(s);
        return found;
    };
    const auto strokes = slanted();
    ASSERT_EQ(strokes.size(), 5u);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(strokes[k - 1].from, QPoint(100 + 20 * k, groundY));
        EXPECT_EQ(strokes[k - 1].to, QPoint(115 + 20 * k, groundY + 5));
    }
    f.project.configuration.backfillSlope = 10.0;
    const auto slope = slanted();
    ASSERT_EQ(slope.size(), 1u);
    EXPECT_EQ(slope[0].from, QPoint(500, groundY));
    EXPECT_EQ(slope[0].to, QPoint(250, qRound(groundY - 250 * std::tan(10 * M_PI / 180))));
}

TEST(SideViewGeometry, LayerLabelsNameTheSoilAndItsParameters) {
    TSideExample f;
    TGridTable* sand = f.table(TableName::NewSoil).subTable(2, 1);
    ASSERT_NE(sand, nullptr);
    sand->setReal(0, 1, 0.065);
    sand->setReal(1, 1, 32.5);
    TGridTable* clay = f.table(TableName::NewSoil).subTable(2, 0);
    clay->setReal(0, 1, 0.06);
    clay->setReal(1, 1, 5);
    const TSideDrawing d = f.drawing();
    ASSERT_EQ(d.labels.size(), 4u);
    EXPECT_EQ(d.labels[0].text, "Soft clay");
    EXPECT_EQ(d.labels[1].text, "c= 5; gamma= 0.06");
    EXPECT_EQ(d.labels[1].line, 1);
    EXPECT_EQ(d.labels[2].text, "Sand");
    EXPECT_EQ(d.labels[3].text, "ø= 32.5; gamma= 0.065");
    EXPECT_EQ(d.labels[2].at, QPoint(0, f.geometry.map(0, 48.0 + 180.0).y()));

    f.project.options.generatePyCurves = false;
    f.project.options.earthPressure = kUserSpecifiedPressure;
    EXPECT_TRUE(f.drawing().labels.empty());  // no generated soil: no layers
}

TEST(SideViewGeometry, DepthReadOutStartsAtTheWallTop) {
    TSideExample f;
    // A height of 1155 pixels puts the wall top (48 of 554.4) exactly on pixel row 100.
    f.geometry.resize({1000, 1155});
    const int top = f.geometry.map(0, 48.0).y();
    EXPECT_EQ(top, 100);
    EXPECT_EQ(f.geometry.depthCaption({10, top}), QString("  Depth: 0.0"));
    const int tip = f.geometry.map(0, 528.0).y();
    const QString tipCaption = *f.geometry.depthCaption({10, tip});
    EXPECT_NEAR(tipCaption.mid(9).toDouble(), 480.0, 0.7);  // within a pixel

    TSideViewGeometry empty;  // no area: no read-out
    EXPECT_FALSE(empty.depthCaption({1, 1}).has_value());
}

TEST(SideViewGeometry, SymbolsAndTopView) {
    TSideExample f;
    f.project.options.restraints = true;
    f.project.options.externalPyCurves = true;
    f.project.options.lateralSprings = true;
    f.project.configuration.activeWidth = 72;
    f.project.configuration.resistanceWidth = 12;
    f.setRows(TableName::SoilLayer, {{1, 10, 0, 0}});
    f.setRows(TableName::SoilStrength, {{1, 20, 20, 100, 0}, {1, 60, 60, 100, 0}});
    f.table(TableName::PYCurves2).setInteger(0, 0, 30);
    const TSideDrawing d = f.drawing();
    auto count = [&](int pen) {
        return std::count_if(d.strokes.begin(), d.strokes.end(),
                             [pen](const TSideStroke& s) { return s.penWidth == pen; });
    };
    const int pyRows = f.table(TableName::PYCurves2).rowCount();
    EXPECT_EQ(count(2), 3 + 4 * pyRows);
    EXPECT_EQ(count(5), 1);  // the spring at node 60 lies below the excavation
    const int y = f.geometry.map(0, 48.0 + 60.0).y();
    const auto restraint = std::find_if(d.strokes.begin(), d.strokes.end(),
                                        [](const TSideStroke& s) { return s.penWidth == 2; });
    EXPECT_EQ(restraint->from, QPoint(500, y));
    EXPECT_EQ(restraint->to, QPoint(520, y));
    ASSERT_EQ(d.topView.size(), 5u);
    EXPECT_EQ(d.topView[0].bounds, QRect(QPoint(388, 58), QPoint(411, 81)));  // at 0.4 W
    EXPECT_EQ(d.topView[4].bounds.top(), 70 + 2 * 72 * 4 - 12);
    EXPECT_EQ(d.labels.back().text, "side view");
    EXPECT_EQ(d.labels.back().at, QPoint(500, 5));
}

TEST(SideViewGeometry, PaperMappingSpansTheMiddleOfThePage) {
    TSideExample f;
    f.project.options.lateralSprings = true;
    f.setRows(TableName::SoilStrength, {{1, 20, 20, 100, 0}});
    const QSize page(6600, 5100);
    const TSideDrawing d = f.geometry.paperDrawing(f.project, page);
    // The top of the world window lies at 10 %, its bottom at 90 % of the page height.
    const double worldBottom = f.geometry.world().y2;
    const int ground = qRound(0.1 * 5100 + 0.8 * 5100 * 48.0 / worldBottom);
    const auto lower = std::find_if(d.strokes.begin(), d.strokes.end(), [&](const TSideStroke& s) {
        return s.from.y() == ground && s.to.y() == ground && s.penWidth == 12;
    });
    ASSERT_NE(lower, d.strokes.end());
    EXPECT_EQ(lower->from.x(), 660);
    EXPECT_EQ(lower->to.x(), 3300);
    const TSideStroke& spring = d.strokes.back();
    EXPECT_EQ(spring.penWidth, 35);
    EXPECT_EQ(spring.from.x(), 3300);
    EXPECT_EQ(spring.to.x(), qRound(660 + 0.6 * 5280));
    // Ground strokes from 0.35 × page height in steps of 50, 70 pixels down.
    const auto stroke = std::find_if(d.strokes.begin(), d.strokes.end(),
                                     [](const TSideStroke& s) { return s.from.y() != s.to.y(); });
    EXPECT_EQ(stroke->from, QPoint(qRound(0.35 * 5100 + 50), ground));
    EXPECT_NEAR(stroke->to.x(), 0.365 * 5100 + 50, 1.0);
    EXPECT_EQ(stroke->to.y(), ground + 70);
}
