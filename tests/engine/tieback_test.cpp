#include "engine/tieback.h"

#include <gtest/gtest.h>

#include <cmath>

namespace keldra {

TEST(Tieback, EnglishRowInFeetBecomesASpringAtTheNearestStation) {
    // 10 ft deep, A = 1, E = 29000000, L = 20 ft, horizontal, 8 ft spacing, on
    // a wall of 6 in increments and 12 in width.
    TiebackSpring spring{};
    ASSERT_TRUE(TiebackAsSpring({10.0, 1.0, 29000000.0, 20.0, 0.0, 8.0}, 6.0, 12.0, true, spring));
    EXPECT_EQ(spring.station, 20);
    EXPECT_DOUBLE_EQ(spring.stiffness, 29000000.0 / ((96.0 / 12.0) * 240.0));
}

TEST(Tieback, InclinedSiRowAndRounding) {
    TiebackSpring spring{};
    // 2.125 m on 0.25 m increments is station 8.5: halves round away from zero.
    ASSERT_TRUE(TiebackAsSpring({2.125, 0.0005, 2.0e8, 8.0, 15.0, 2.5}, 0.25, 1.0, false, spring));
    EXPECT_EQ(spring.station, 9);
    const double theta = 15.0 * 3.1415998935699463 / 180.0;
    EXPECT_DOUBLE_EQ(spring.stiffness, 0.0005 * 2.0e8 * std::cos(theta) / (2.5 * 8.0));
}

TEST(Tieback, NonPositiveSpacingLengthOrWidthIsRejected) {
    TiebackSpring spring{};
    EXPECT_FALSE(TiebackAsSpring({2, 1, 1, 8, 0, 0.0}, 0.25, 1.0, false, spring));
    EXPECT_FALSE(TiebackAsSpring({2, 1, 1, 0, 0, 2.5}, 0.25, 1.0, false, spring));
    EXPECT_FALSE(TiebackAsSpring({2, 1, 1, 8, 0, 2.5}, 0.25, 0.0, false, spring));
}

}  // namespace keldra
