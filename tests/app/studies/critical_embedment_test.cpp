#include "app/studies/critical_embedment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace keldra::studies {
namespace {

constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

TEST(CriticalEmbedment, ShortestEmbedmentFromWhichEveryLongerOneClosesWithinOnePercent) {
    struct Case {
        const char* name;
        std::vector<EmbedmentPoint> points;
        std::optional<double> critical;
    };
    const Case cases[] = {
        {"converging deflections",
         {{60, false, 500}, {80, true, 3.0}, {100, true, 2.01}, {120, true, 2.0}},
         100.0},
        {"exactly 1 % counts as within",
         {{80, true, 150}, {100, true, 101}, {120, true, 100}},
         100.0},
        {"a failure between closing embedments resets the run",
         {{60, true, 2.0}, {80, false, 2.0}, {100, true, 2.0}, {120, true, 2.0}},
         100.0},
        {"the longest embedment alone",
         {{60, true, 9.0}, {80, true, 5.0}, {100, true, 2.0}},
         100.0},
        {"the longest does not close", {{60, true, 2.0}, {80, false, 2.0}}, std::nullopt},
        {"unknown deflection never qualifies",
         {{60, true, 2.0}, {80, true, kUnknown}},
         std::nullopt},
        {"order of the rows does not matter",
         {{120, true, -2.0}, {60, true, -1.0}, {100, true, -2.01}},
         100.0},
        {"no rows", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CriticalEmbedment(c.points), c.critical);
    }
}

}  // namespace
}  // namespace keldra::studies
