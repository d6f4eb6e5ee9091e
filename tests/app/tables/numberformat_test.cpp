#include "app/tables/numberformat.h"

#include <gtest/gtest.h>

#include "tests/app/eightdigitcases.h"

TEST(NumberFormat, GeneralFormatWithEightDigits) {
    for (const TEightDigitCase& c : kEightDigitCases)
        EXPECT_EQ(TNumberFormat::general(c.value, TNumberFormat::kFileDigits), c.text) << c.value;
}

TEST(NumberFormat, RegionalSeparatorAndEighteenDigits) {
    EXPECT_EQ(TNumberFormat::general(1.5, 8, ","), "1,5");
    EXPECT_EQ(TNumberFormat::general(2.5E-6, 8, ","), "2,5E-6");
    EXPECT_EQ(TNumberFormat::general(1E17, TNumberFormat::kEvaluatorDigits), "100000000000000000");
    EXPECT_EQ(TNumberFormat::general(1E19, TNumberFormat::kEvaluatorDigits), "1E19");
    EXPECT_EQ(TNumberFormat::general(0.5, TNumberFormat::kEvaluatorDigits), "0.5");
}
