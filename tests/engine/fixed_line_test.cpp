#include "engine/fixed_line.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace keldra {

namespace {

struct RealCase {
    int w, d;
    double value;
    const char* expected;
};

}  // namespace

TEST(FixedLine, IntegerFields) {
    EXPECT_EQ(FixedLine().I(3, 40).View(), " 40");
    EXPECT_EQ(FixedLine().I(2, 0).View(), " 0");
    EXPECT_EQ(FixedLine().I(4, -12).View(), " -12");
    EXPECT_EQ(FixedLine().I(2, 7, 2).View(), "07");
    EXPECT_EQ(FixedLine().I(4, -7, 2).View(), " -07");
    EXPECT_EQ(FixedLine().I(3, 100).View(), "100");
    EXPECT_EQ(FixedLine().I(3, 1000).View(), "***");
    EXPECT_EQ(FixedLine().I(2, -10).View(), "**");
}

TEST(FixedLine, FixedPointFields) {
    const RealCase cases[] = {
        {7, 3, 6.0, "  6.000"},        {7, 3, -6.25, " -6.250"},
        {7, 3, 0.0, "  0.000"},        {7, 5, 0.00001, "0.00001"},
        {6, 3, 9.9996, "10.000"},      {5, 3, 9.9996, "*****"},
        {4, 3, 0.5, ".500"},           {3, 3, 0.5, "***"},
        {7, 3, -0.0001, "  0.000"},    {7, 3, 1234.5678, "*******"},
        {8, 3, 1234.5678, "1234.568"}, {8, 2, -1e300, "********"},
        {6, 1, 0.05, "   0.1"},        {6, 0, 42.0, "   42."},
    };
    for (const RealCase& c : cases) {
        EXPECT_EQ(FixedLine().F(c.w, c.d, c.value).View(), c.expected) << c.value;
    }
}

TEST(FixedLine, ExponentFields) {
    const RealCase cases[] = {
        {10, 3, 12.3, " 0.123E+02"},
        {10, 3, -12.3, "-0.123E+02"},
        {10, 3, 0.0, " 0.000E+00"},
        {10, 3, 0.9996, " 0.100E+01"},
        {10, 3, 999.6, " 0.100E+04"},
        {10, 3, 1.0, " 0.100E+01"},
        {10, 3, 0.001234, " 0.123E-02"},
        {10, 3, 1.5e-120, " 0.150-119"},
        {9, 3, -12.3, "-.123E+02"},
        {8, 3, -12.3, "********"},
        {12, 3, 29000000.0, "   0.290E+08"},
        {13, 4, -0.00012346, "  -0.1235E-03"},
        {10, 3, std::numeric_limits<double>::infinity(), "**********"},
    };
    for (const RealCase& c : cases) {
        EXPECT_EQ(FixedLine().E(c.w, c.d, c.value).View(), c.expected) << c.value;
    }
}

TEST(FixedLine, GeneralFields) {
    const RealCase cases[] = {
        {10, 3, 0.0, "  0.00    "},     {10, 3, 1.5, "  1.50    "},   {10, 3, 0.1, " 0.100    "},
        {10, 3, 999.4, "  999.    "},   {10, 3, 999.6, " 0.100E+04"}, {10, 3, 0.0999, " 0.999E-01"},
        {10, 3, 0.09996, " 0.100    "}, {10, 3, -25.0, " -25.0    "},
    };
    for (const RealCase& c : cases) {
        EXPECT_EQ(FixedLine().G(c.w, c.d, c.value).View(), c.expected) << c.value;
    }
}

TEST(FixedLine, TextBlanksAndComposition) {
    EXPECT_EQ(FixedLine().A(3, "ABCDE").View(), "ABC");
    EXPECT_EQ(FixedLine().A(4, "IN").View(), "  IN");
    const FixedLine line = FixedLine().X(6).Text("NUMBER OF INCREMENTS = ").I(3, 40);
    EXPECT_EQ(line.View(), "      NUMBER OF INCREMENTS =  40");
}

TEST(FixedLine, LongLinesStopAtCapacity) {
    FixedLine line;
    for (int k = 0; k < 100; ++k) line.E(10, 3, 1.0);
    EXPECT_EQ(line.View().size(), static_cast<std::size_t>(FixedLine::kCapacity));
}

}  // namespace keldra
