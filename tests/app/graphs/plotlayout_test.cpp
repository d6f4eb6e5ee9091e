#include "app/graphs/plotlayout.h"

#include <gtest/gtest.h>

#include "app/graphs/graphplot.h"

namespace {

// 96 pixels per inch, text height h = 14: 2h + dpi/8 + h/8 = 41.75 on the left.
TPlotLayout layoutOf(const TGraphPlot& g, TDrawTarget target) {
    return TPlotLayout::Compute(g, {target, 96, 96, QRect(0, 0, 960, 720)}, 14);
}

}  // namespace

TEST(TPlotLayout, MarginsFollowTheAxisSideAndTheTarget) {
    TGraphPlot g;
    const TPlotLayout screen = layoutOf(g, TDrawTarget::Screen);
    EXPECT_EQ(screen.plot, QRect(QPoint(42, 42), QPoint(959 - 31, 719 - 31)));
    const TPlotLayout printed = layoutOf(g, TDrawTarget::Printer);
    EXPECT_EQ(printed.plot.right(), 959);  // on paper the plot reaches the page area's edges
    EXPECT_EQ(printed.plot.bottom(), 719);

    g.XOnTop = false;
    const TPlotLayout below = layoutOf(g, TDrawTarget::Screen);
    EXPECT_EQ(below.plot.top(), 31);  // h/2 + dpi/4
    EXPECT_EQ(below.plot.bottom(), 719 - 42);
    EXPECT_EQ(layoutOf(g, TDrawTarget::Printer).plot.top(), 0);
}

TEST(TPlotLayout, TitleTakesRoomExceptInAPicture) {
    TGraphPlot g;
    g.Title = "Wall A";
    g.TitleOnTop = true;
    EXPECT_EQ(layoutOf(g, TDrawTarget::Screen).plot.top(), 42 + 16);   // h + h/8
    EXPECT_EQ(layoutOf(g, TDrawTarget::Printer).plot.top(), 42 + 24);  // dpi/4
    EXPECT_EQ(layoutOf(g, TDrawTarget::Image).plot.top(), 42);
    g.TitleOnTop = false;
    EXPECT_EQ(layoutOf(g, TDrawTarget::Screen).plot.bottom(), 719 - 31 - 14);
    EXPECT_EQ(layoutOf(g, TDrawTarget::Printer).plot.bottom(), 719 - 48);  // dpi/2
}

TEST(TPlotLayout, SoilStripAndThreePanels) {
    TGraphPlot g;
    g.ShowLayers = true;
    const TPlotLayout screen = layoutOf(g, TDrawTarget::Screen);
    EXPECT_EQ(screen.plot.right(), 928 - 96);  // one inch for the strip
    EXPECT_EQ(screen.strip, QRect(QPoint(928 - 96 + 19, 42), QPoint(928, 688)));
    EXPECT_EQ(layoutOf(g, TDrawTarget::Image).plot.right(), 928 - 48);  // half an inch

    g.ShowThree = true;
    const TPlotLayout three = layoutOf(g, TDrawTarget::Screen);
    ASSERT_EQ(three.panelCount, 3);
    const int w = (three.plot.width() - 4 * 14 - 48) / 3;
    EXPECT_EQ(three.panel(0).left(), three.plot.left());
    EXPECT_EQ(three.panel(0).right(), three.plot.left() + w);
    EXPECT_EQ(three.panel(1).left(), three.panel(0).right() + 28 + 24);  // 2h + dpi/4
    EXPECT_EQ(three.panel(2).right(), three.plot.right());
    EXPECT_EQ(three.panelAt(three.panel(1).center()), 1);
    EXPECT_EQ(three.panelAt(QPoint(three.panel(0).right() + 5, 300)), -1);
}
