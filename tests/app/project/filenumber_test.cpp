#include "app/project/filenumber.h"

#include <gtest/gtest.h>

#include "tests/app/eightdigitcases.h"

namespace {

TEST(FileNumber, ShortestGeneralFormWithEightDigits) {
    for (const TEightDigitCase& c : kEightDigitCases)
        EXPECT_EQ(fileNumberText(c.value), QByteArray(c.text)) << c.value;
}

}  // namespace
