#include "app/project/filenumber.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNumber, ShortestGeneralFormWithEightDigits) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {12.5, "12.5"},
        {100, "100"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {0.0000025, "2.5E-6"},
        {123456789, "1.2345679E8"},
        {12345678, "12345678"},
        {999999999, "1E9"},
        {99999999.6, "1E8"},
        {-12.5, "-12.5"},
        {-0.00001, "-1E-5"},
        {-2.5e12, "-2.5E12"},
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {0.1, "0.1"},
        {1.0 / 3.0, "0.33333333"},
        {2.0 / 3.0, "0.66666667"},
        {0.0625, "0.0625"},
        {0.00012345678, "0.00012345678"},
        {120.0000648, "120.00006"},
        {6.894757293168361, "6.8947573"},
        {3.048, "3.048"},
        {1e-300, "1E-300"},
        {1.5e300, "1.5E300"},
        {29000000, "29000000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fileNumberText(c.value), QByteArray(c.text)) << c.value;
    }
}

}  // namespace
