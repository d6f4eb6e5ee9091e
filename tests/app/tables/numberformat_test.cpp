#include "app/tables/numberformat.h"

#include <gtest/gtest.h>

TEST(NumberFormat, GeneralFormatWithEightDigits) {
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
        {0.0625, "0.0625"},
        {-3.5, "-3.5"},
        {0, "0"},
        {-0.0, "0"},
        {18.85049728801214, "18.850497"},
        {1E-3, "0.001"},
        {99999999.7, "1E8"},
        {-1.5E20, "-1.5E20"},
        {0.1, "0.1"},
        {1.0 / 3, "0.33333333"},
        {2.0 / 3E-7, "6666666.7"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TNumberFormat::general(c.value, TNumberFormat::kFileDigits), c.text) << c.value;
}

TEST(NumberFormat, RegionalSeparatorAndEighteenDigits) {
    EXPECT_EQ(TNumberFormat::general(1.5, 8, ","), "1,5");
    EXPECT_EQ(TNumberFormat::general(2.5E-6, 8, ","), "2,5E-6");
    EXPECT_EQ(TNumberFormat::general(1E17, TNumberFormat::kEvaluatorDigits), "100000000000000000");
    EXPECT_EQ(TNumberFormat::general(1E19, TNumberFormat::kEvaluatorDigits), "1E19");
    EXPECT_EQ(TNumberFormat::general(0.5, TNumberFormat::kEvaluatorDigits), "0.5");
}
