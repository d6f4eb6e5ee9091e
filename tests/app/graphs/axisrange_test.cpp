#include "app/graphs/axisrange.h"

#include <gtest/gtest.h>

#include "app/graphs/graphplot.h"

TEST(RoundedRange, IncludesZeroAndRoundsToWholeSteps) {
    const struct {
        double min, max;
        TAxisRange expected;
    } cases[] = {
        {0, 7, {0, 7}},                // a curve from 3 to 7: zero is always included
        {0, 35, {0, 40}},              // log10 35 has fraction 0.544: step 10
        {0, 26, {0, 26}},              // fraction 0.415 is below log10 3: step 1
        {0, 5, {0, 5}},                // all values 5
        {-0.01, 0.01, {-0.01, 0.01}},  // all values 0, widened by 0.01
        {-3.2, 0, {-4, 0}},            // minimum moves away from zero
        {-0.37, 1.2, {-0.4, 1.2}},
        {0, 0.3, {0, 0.3}},  // a decimal multiple stays despite binary rounding
    };
    for (const auto& c : cases) {
        const std::optional<TAxisRange> r = RoundedRange(c.min, c.max);
        ASSERT_TRUE(r) << c.min << " " << c.max;
        EXPECT_NEAR(r->min, c.expected.min, 1e-12) << c.min << " " << c.max;
        EXPECT_NEAR(r->max, c.expected.max, 1e-12) << c.min << " " << c.max;
    }
    EXPECT_EQ(RangeStep(35), 10.0);
    EXPECT_EQ(RangeStep(26), 1.0);
    EXPECT_FALSE(RangeStep(0));
    EXPECT_FALSE(RoundedRange(0, std::numeric_limits<double>::infinity()));
}

TEST(CurveRange, CoversEveryPointOfEveryCurveFromZero) {
    TGraphPlot graph;
    graph.SetLineCount(TCurveList::Lines, 2);
    graph.Lines()[0].Points = {{3, 0}, {7, 20}};
    graph.Lines()[1].Points = {{4, 5}};
    graph.Lines()[1].Visible = false;  // hidden curves count too
    const std::optional<TPanelRange> r = CurveRange(graph.Lines());
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, (TPanelRange{{0, 7}, {0, 20}}));
    EXPECT_EQ(*CurveRange({}), (TPanelRange{{-0.01, 0.01}, {-0.01, 0.01}}));
}

TEST(AxisTicks, MajorStepsAndMinorFifths) {
    EXPECT_DOUBLE_EQ(MajorStep(1.5), 1);
    EXPECT_DOUBLE_EQ(MajorStep(3.0), 2);
    EXPECT_DOUBLE_EQ(MajorStep(7.0), 5);
    EXPECT_DOUBLE_EQ(MajorStep(9.5), 10);
    EXPECT_DOUBLE_EQ(MajorStep(0.2), 0.2);

    // 0..40 in 4 parts: major step 10, minor 2.
    const std::vector<TTick> ticks = AxisTicks({0, 40}, 4);
    ASSERT_EQ(ticks.size(), 21u);
    EXPECT_DOUBLE_EQ(ticks[1].value, 2.0);
    std::vector<double> majors;
    for (const TTick& t : ticks)
        if (t.major) majors.push_back(t.value);
    EXPECT_EQ(majors, (std::vector<double>{0, 10, 20, 30, 40}));
    EXPECT_TRUE(AxisTicks({0, 40}, 0).empty());

    // A zoomed view keeps only the ticks inside it.
    const std::vector<TTick> zoomed = AxisTicks({-0.37, 1.21}, 3);
    EXPECT_NEAR(zoomed.front().value, -0.3, 1e-12);
    EXPECT_NEAR(zoomed.back().value, 1.2, 1e-12);
    EXPECT_EQ(TickLabel(zoomed[3].value), "0");
    EXPECT_EQ(TickLabel(12345.0), "1.235e+04");
    EXPECT_EQ(TickLabel(0.30000000000000004), "0.3");
}
