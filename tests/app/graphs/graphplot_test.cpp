#include "app/graphs/graphplot.h"

#include <gtest/gtest.h>

#include "app/graphs/curvecolours.h"
#include "app/graphs/markershape.h"
#include "app/graphs/unitstrings.h"

TEST(TGraphPlot, NewCurvesTakeThePointCountOfTheFirstAndNumberThemselves) {
    TGraphPlot graph;
    graph.CurveName = "Load #";
    graph.SetLineCount(TCurveList::Lines, 1);
    graph.SetPointCount(TCurveList::Lines, 4);
    graph.SetLineCount(TCurveList::Lines, 3);
    ASSERT_EQ(graph.LineCount(TCurveList::Lines), 3);
    EXPECT_EQ(graph.Lines()[2].PointCount(), 4);
    EXPECT_EQ(graph.Lines()[2].DisplayName(), "Load #3");
    EXPECT_TRUE(graph.Lines()[2].Visible);
    EXPECT_TRUE(graph.Lines()[2].Active);

    graph.SetLineCount(TCurveList::Lines3, 2);  // other lists number after the main list
    EXPECT_EQ(graph.curves(TCurveList::Lines3)[1].Value, 4);
    graph.SetLineCount(TCurveList::Lines, -2);
    EXPECT_EQ(graph.LineCount(TCurveList::Lines), 0);
    EXPECT_EQ(graph.PointCount(TCurveList::Lines), 0);
}

TEST(TGraphPlot, DisplayNameFallsBackToCurveNameAndValue) {
    TGraphPlot graph;
    graph.CurveName = "Depth";
    TLine curve(&graph, 120, 0);
    EXPECT_EQ(curve.DisplayName(), "Depth120");
    curve.Value = 2.5;
    EXPECT_EQ(curve.DisplayName(), "Depth2.5");
    curve.Name = "Stage: 2";
    EXPECT_EQ(curve.DisplayName(), "Stage: 2");
}

TEST(TGraphPlot, UnitsAreClamped) {
    TGraphPlot graph;
    graph.SetUnits(7);
    EXPECT_EQ(graph.Units(), 3);
    graph.SetUnits(0);
    EXPECT_EQ(graph.Units(), 1);
}

TEST(ExpandUnits, ReplacesTheMostSpecificForceAndLengthToken) {
    const struct {
        const char* units;
        int system;
        const char* expected;
    } cases[] = {
        {"F/L", 1, "lbs/in"},    {"F/L", 2, "kN/m"}, {"L", 1, "in"},
        {"L", 2, "m"},           {"L2", 1, "ft"},    {"L2", 2, "m"},
        {"F1-L2", 1, "kips-ft"}, {"F2", 1, "tons"},  {"L1", 2, "mm"},
        {"F/L", 3, "F/L"},       {"", 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandUnits(c.units, c.system), c.expected) << c.units << " " << c.system;
    EXPECT_EQ(AxisCaption("Deflection", "L", 1), "Deflection (in)");
    EXPECT_EQ(AxisCaption("Bending Moment (in-kips)", "", 1), "Bending Moment (in-kips)");
}

TEST(MarkerShape, CyclesThroughTenShapes) {
    const std::pair<int, int> cases[] = {{0, 1},  {1, 2},   {9, 10}, {10, 1},
                                         {14, 5}, {19, 10}, {20, 1}};
    for (auto [index, shape] : cases) EXPECT_EQ(MarkerShape(index), shape) << index;

    // 96 dpi: radius 3 pixels.
    const QPolygonF down = MarkerPolygon(1, {10, 10}, 96, 96);
    ASSERT_EQ(down.size(), 3);
    EXPECT_NEAR(down[0].x(), 10, 1e-9);
    EXPECT_NEAR(down[0].y(), 13, 1e-9);  // the tip points down
    const QPolygonF up = MarkerPolygon(3, {10, 10}, 96, 96);
    EXPECT_NEAR(up[0].y(), 7, 1e-9);  // the tip points up
    const QPolygonF square = MarkerPolygon(2, {0, 0}, 96, 96);
    ASSERT_EQ(square.size(), 4);
    EXPECT_NEAR(square[0].x(), 3 * std::sqrt(0.5), 1e-9);
    EXPECT_EQ(MarkerPolygon(10, {0, 0}, 96, 96).size(), 10);
}

TEST(MarkerIndices, FirstPointAndEveryNth) {
    EXPECT_EQ(MarkerIndices(10, 3), (std::vector<int>{0, 3, 6, 9}));
    EXPECT_EQ(MarkerIndices(10, 10), (std::vector<int>{0}));
    EXPECT_EQ(MarkerIndices(3, 1), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(MarkerIndices(10, 0).empty());
}

TEST(CurveColour, SeventeenColoursByPosition) {
    EXPECT_EQ(CurveColour(0), QColor(0, 0, 0));
    EXPECT_EQ(CurveColour(1), QColor(0, 0, 255));
    EXPECT_EQ(CurveColour(16), QColor(0, 255, 255));
    EXPECT_EQ(CurveColour(17), CurveColour(0));
    EXPECT_EQ(CurveColour(3), QColor(0, 128, 0));
}
