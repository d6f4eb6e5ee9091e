#include "engine/py_multipliers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace keldra {

namespace {

std::unique_ptr<EngineState> StateWithTable(std::initializer_list<std::array<double, 3>> rows) {
    auto s = std::make_unique<EngineState>();
    int k = 0;
    for (const auto& row : rows) {
        ++k;
        s->pymod.ZMOD[k] = row[0];
        s->pymod.PMOD[k] = row[1];
        s->pymod.YMOD[k] = row[2];
    }
    s->control.NPYMOD = k;
    return s;
}

}  // namespace

TEST(PyMultipliers, CloselySpacedWallRule) {
    auto s = std::make_unique<EngineState>();
    s->grid.HFREE = 120.0;
    s->soil.WA = 24.0;
    s->soil.WP = 12.0;
    EXPECT_DOUBLE_EQ(PYMULT(*s, 130.0), 0.52920001745224 * std::pow(2.0, 0.5659000277519226));
    EXPECT_EQ(s->RWAWP, 2.0);
    EXPECT_EQ(PYMULT(*s, 100.0), 1.0) << "above the excavation";
    EXPECT_EQ(YMULT(*s, 130.0), 1.0);
    s->soil.WA = 1.1 * 12.0;  // exactly 1.1 is below the single-precision threshold
    EXPECT_EQ(PYMULT(*s, 130.0), 1.0);
    s->soil.WA = 3.1 * 12.0;  // 3.1 lies above the single-precision 3.1
    EXPECT_EQ(PYMULT(*s, 130.0), 1.0);
    s->soil.WP = 0.0;
    EXPECT_EQ(PYMULT(*s, 130.0), 1.0);
}

TEST(PyMultipliers, TableLookupWithSteps) {
    auto s = StateWithTable({{10, 0.5, 2.0}, {20, 1.0, 1.0}, {20, 0.8, 3.0}, {40, 0.4, 1.0}});
    struct Case {
        double x, p, y;
    };
    const Case cases[] = {
        {5, 1.0, 1.0},    // above the table
        {10, 0.5, 2.0},   // the first depth: interpolation from row 1
        {15, 0.75, 1.5},  // between rows 1 and 2
        {20, 0.8, 3.0},   // a step: the lower row's value
        {30, 0.6, 2.0},   // between rows 3 and 4
        {40, 0.4, 1.0},   // the last depth
        {41, 1.0, 1.0},   // below the table
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(PYMULT(*s, c.x), c.p) << c.x;
        EXPECT_DOUBLE_EQ(YMULT(*s, c.x), c.y) << c.x;
    }
}

}  // namespace keldra
