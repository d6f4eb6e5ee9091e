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
