#include "engine/unit_labels.h"

#include <gtest/gtest.h>

#include <string>

namespace keldra {

TEST(UnitLabels, FixedWidthTextsPerUnitSystem) {
    struct Case {
        int code;
        const char *L, *F, *L2, *F3;
    };
    const Case cases[] = {{1, " IN", " LBS", "IN", "LBS"},
                          {-1, "  M", "  KN", " M", " KN"},
                          {0, "  L", "   F", " L", "  F"},
                          {7, "  L", "   F", " L", "  F"}};
    for (const Case& c : cases) {
        UnitLabels labels{};
        SetUnitLabels(labels, c.code);
        EXPECT_EQ(std::string(labels.L), c.L) << c.code;
        EXPECT_EQ(std::string(labels.F), c.F) << c.code;
        EXPECT_EQ(std::string(labels.L2), c.L2) << c.code;
        EXPECT_EQ(std::string(labels.F3), c.F3) << c.code;
    }
}

}  // namespace keldra
