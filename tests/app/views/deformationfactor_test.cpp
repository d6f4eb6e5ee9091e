#include "app/views/deformationfactor.h"

#include <gtest/gtest.h>

TEST(DeformationFactor, StepsOnTheOneTwoTenScale) {
    struct Case {
        double factor;
        bool up;
        double expected;
    };
    const Case cases[] = {
        {5, true, 6},     {10, true, 20}, {1, false, 0.9},   {0.5, true, 0.6},
        {0, true, 1},     {0, false, 1},  {-3, true, 1},     {9, true, 10},
        {20, false, 10},  {10, false, 9}, {0.2, false, 0.1}, {0.1, false, 0.09},
        {300, true, 400}, {0.9, true, 1}, {2.5, true, 3},    {60, false, 50},
    };
    for (const Case& c : cases) {
        const double stepped =
            c.up ? DeformationFactor::stepUp(c.factor) : DeformationFactor::stepDown(c.factor);
        EXPECT_DOUBLE_EQ(stepped, c.expected) << c.factor << (c.up ? " up" : " down");
    }
}

TEST(DeformationFactor, FitDrawsTheLargestDeflectionAsATenthOfTheWall) {
    struct Case {
        std::vector<double> deflection;
        double wallLength, expected;
    };
    const Case cases[] = {
        {{0.5, -2.0, 0.1}, 240.0, 10.0},  // 24 / 2 = 12, one digit: 10
        {{0.0123, 0.0}, 20.0, 200.0},     // 2 / 0.0123 = 162.6
        {{-0.004}, 12.0, 300.0},          // sign does not matter
        {{0.0, 0.0}, 240.0, 0.0},         // nothing to magnify
        {{1.0}, 0.0, 0.0},                // no wall
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(DeformationFactor::fit(c.deflection, c.wallLength), c.expected)
            << c.wallLength;
}
