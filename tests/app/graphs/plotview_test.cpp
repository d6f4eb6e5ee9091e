#include "app/graphs/plotview.h"

#include <gtest/gtest.h>

TEST(ZoomedIn, ABandBecomesTheViewNoNarrowerThanATwentieth) {
    const TAxisRange full{0, 100};
    EXPECT_EQ(ZoomedIn(full, 30, 10), (TAxisRange{10, 30}));    // either drag direction
    EXPECT_EQ(ZoomedIn(full, -50, 20), (TAxisRange{0, 20}));    // clamped to the full range
    EXPECT_EQ(ZoomedIn(full, 40, 41), (TAxisRange{38, 43}));    // a twentieth, centred
    EXPECT_EQ(ZoomedIn(full, 99, 100), (TAxisRange{95, 100}));  // shifted back inside
    EXPECT_EQ(ZoomedIn({-10, 10}, -10, -9.9), (TAxisRange{-10, -9}));
}

TEST(ZoomedOut, DoublesAroundTheClickedValueInsideTheFullRange) {
    const TAxisRange full{0, 100};
    EXPECT_EQ(ZoomedOut(full, {40, 50}, 45), (TAxisRange{35, 55}));
    EXPECT_EQ(ZoomedOut(full, {0, 10}, 2), (TAxisRange{0, 20}));     // moved inside
    EXPECT_EQ(ZoomedOut(full, {20, 90}, 30), (TAxisRange{0, 100}));  // at most the full range
}
