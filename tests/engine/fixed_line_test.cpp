#include "engine/fixed_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <span>
#include <string>

namespace keldra {

namespace {

struct RealCase {
    int w, d;
    double value;
    const char* expected;
};

// One real field of the kind named by its descriptor letter.
struct FieldCase {
    char descriptor;  // 'E', 'F' or 'G'
    int w, d;
    double value;
    const char* expected;
};

std::string Field(const FieldCase& c) {
    FixedLine line;
    if (c.descriptor == 'E') line.E(c.w, c.d, c.value);
    if (c.descriptor == 'F') line.F(c.w, c.d, c.value);
    if (c.descriptor == 'G') line.G(c.w, c.d, c.value);
    return std::string(line.View());
}

void ExpectFields(std::span<const FieldCase> cases) {
    for (const FieldCase& c : cases) {
        EXPECT_EQ(Field(c), c.expected) << c.descriptor << c.w << "." << c.d << " of " << c.value;
    }
}

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallestNormal = std::numeric_limits<double>::min();
constexpr double kSmallestSubnormal = std::numeric_limits<double>::denorm_min();

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

// Rounding works on the exact binary value: a true tie (0.125, 2.5) goes to
// the even digit, a decimal that looks like a tie (0.15, 2.675, 9.9995) is
// stored a little above or below it and rounds accordingly.
TEST(FixedLine, RoundingTakesTheExactBinaryValueWithTiesToEven) {
    const FieldCase cases[] = {
        {'E', 10, 2, 0.125, "  0.12E+00"},
        {'E', 10, 2, 0.375, "  0.38E+00"},
        {'E', 10, 1, 0.25, "   0.2E+00"},
        {'E', 10, 1, 2.5, "   0.2E+01"},
        {'E', 10, 1, 3.5, "   0.4E+01"},
        {'E', 10, 3, 1.125, " 0.112E+01"},
        {'E', 8, 1, 0.15, " 0.1E+00"},
        {'E', 8, 1, 0.45, " 0.5E+00"},
        {'E', 10, 4, 9.9995, "0.9999E+01"},
        {'E', 10, 4, 9.99951, "0.1000E+02"},
        {'E', 10, 3, 9.9995, " 0.100E+02"},
        {'E', 10, 3, 1e23, " 0.100E+24"},
        {'E', 25, 17, 1e23, "  0.99999999999999992E+23"},
        {'E', 40, 30, 0.1, "    0.100000000000000005551115123126E+00"},
        {'F', 6, 2, 0.125, "  0.12"},
        {'F', 6, 2, 0.375, "  0.38"},
        {'F', 6, 2, 2.675, "  2.67"},
        {'F', 6, 1, 0.25, "   0.2"},
        {'F', 6, 0, 2.5, "    2."},
        {'F', 6, 0, 3.5, "    4."},
        {'F', 6, 0, 0.5, "    0."},
        {'F', 6, 0, -1.5, "   -2."},
        {'F', 5, 1, 0.45, "  0.5"},
        {'F', 5, 1, 0.15, "  0.1"},
        {'F', 6, 3, 9.9995, " 9.999"},
        {'F', 6, 3, 9.99951, "10.000"},
        {'F', 50, 45, 0.1, "        0.1000000000000000055511151231257827021182"},
        {'G', 10, 2, 0.125, "  0.12    "},
        {'G', 10, 2, 0.375, "  0.38    "},
        {'G', 14, 7, 0.125, " 0.1250000    "},
        {'G', 10, 3, 998.5, "  998.    "},
        {'G', 10, 3, 999.5, " 0.100E+04"},
        {'G', 10, 3, 0.09995, " 0.999E-01"},
        {'G', 10, 3, 0.099951, " 0.100    "},
        {'G', 7, 1, 8.5, " 8.    "},
        {'G', 7, 1, 9.5, "0.1E+02"},
        {'G', 7, 1, 0.05, "0.5E-01"},
        {'G', 7, 1, 0.5, "0.5    "},
    };
    ExpectFields(cases);
}

// A field exactly as wide as the value, one column short (asterisks), and the
// leading zero before the point that goes first when room is short.
TEST(FixedLine, FieldWidthEdges) {
    const FieldCase cases[] = {
        {'E', 6, 1, 1.0, ".1E+01"},       {'E', 7, 1, -1.0, "-.1E+01"},
        {'E', 8, 1, -1.0, "-0.1E+01"},    {'E', 5, 1, -1.0, "*****"},
        {'E', 10, 0, 1.0, "**********"},  {'E', 9, 3, 1e100, "0.100+101"},
        {'E', 8, 3, 1e100, ".100+101"},   {'E', 8, 3, -1e100, "********"},
        {'F', 5, 3, 0.5, "0.500"},        {'F', 5, 3, -0.5, "-.500"},
        {'F', 4, 3, -0.5, "****"},        {'F', 5, 3, 9.99951, "*****"},
        {'F', 2, 0, 0.4, "0."},           {'F', 1, 0, 0.4, "."},
        {'F', 2, 1, 0.04, ".0"},          {'F', 3, 1, -0.06, "-.1"},
        {'F', 4, 1, -0.06, "-0.1"},       {'F', 12, 0, 1e15, "************"},
        {'F', 6, -1, 2.0, "    2."},      {'G', 6, 3, 1.5, "**    "},
        {'G', 5, 3, 1.5, "*    "},        {'G', 10, 3, -999.4, " -999.    "},
        {'G', 9, 3, -999.4, "-999.    "}, {'G', 10, 0, 1.0, "**********"},
    };
    ExpectFields(cases);
}

// Zero of either sign, and negative values that round to zero, carry no
// minus sign; NaN and infinities fill the field.
TEST(FixedLine, SignsZeroesAndValuesWithoutForm) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const FieldCase cases[] = {
        {'E', 10, 3, -0.0, " 0.000E+00"},
        {'F', 7, 3, -0.0, "  0.000"},
        {'G', 10, 3, -0.0, "  0.00    "},
        {'F', 6, 0, -0.5, "    0."},
        {'F', 3, 1, -0.04, "0.0"},
        {'E', 10, 3, nan, "**********"},
        {'F', 10, 3, nan, "**********"},
        {'G', 10, 3, nan, "**********"},
        {'F', 10, 3, -infinity, "**********"},
    };
    ExpectFields(cases);
}

// Exponents of three digits drop the letter E; subnormals and the largest
// finite doubles keep their leading digits.
TEST(FixedLine, ExtremeMagnitudes) {
    const FieldCase cases[] = {
        {'E', 10, 3, 1e-100, " 0.100E-99"},
        {'E', 10, 3, 1e100, " 0.100+101"},
        {'E', 10, 3, 9.9996e-100, " 0.100E-98"},
        {'E', 10, 3, 9.9996e99, " 0.100+101"},
        {'E', 10, 3, 9.994e99, " 0.999+100"},
        {'E', 10, 3, kSmallestSubnormal, " 0.494-323"},
        {'E', 13, 4, -kSmallestSubnormal, "  -0.4941-323"},
        {'E', 10, 3, kSmallestNormal, " 0.223-307"},
        {'E', 10, 3, kLargest, " 0.180+309"},
        {'E', 10, 3, -kLargest, "-0.180+309"},
        {'E', 9, 3, -kLargest, "-.180+309"},
        {'F', 10, 3, kSmallestSubnormal, "     0.000"},
        {'F', 10, 3, -kSmallestSubnormal, "     0.000"},
        {'F', 10, 3, kLargest, "**********"},
        {'F', 30, 2, 9.99e299, "******************************"},
        {'G', 10, 3, kSmallestSubnormal, " 0.494-323"},
        {'G', 10, 3, kLargest, " 0.180+309"},
    };
    ExpectFields(cases);
}

TEST(FixedLine, IntegerFieldEdges) {
    EXPECT_EQ(FixedLine().I(1, 0).View(), "0");
    EXPECT_EQ(FixedLine().I(0, 5).View(), "");
    EXPECT_EQ(FixedLine().I(1, -1).View(), "*");
    EXPECT_EQ(FixedLine().I(2, -1).View(), "-1");
    EXPECT_EQ(FixedLine().I(3, 0, 2).View(), " 00");
    EXPECT_EQ(FixedLine().I(5, 42, 4).View(), " 0042");
    EXPECT_EQ(FixedLine().I(5, -42, 4).View(), "-0042");
    EXPECT_EQ(FixedLine().I(4, -42, 4).View(), "****");
    EXPECT_EQ(FixedLine().I(3, 42, 4).View(), "***");
    EXPECT_EQ(FixedLine().I(20, LLONG_MIN).View(), "-9223372036854775808");
    EXPECT_EQ(FixedLine().I(19, LLONG_MIN).View(), "*******************");
    EXPECT_EQ(FixedLine().I(20, LLONG_MAX).View(), " 9223372036854775807");
}

TEST(FixedLine, TextBlanksAndComposition) {
    EXPECT_EQ(FixedLine().A(3, "ABCDE").View(), "ABC");
    EXPECT_EQ(FixedLine().A(4, "IN").View(), "  IN");
    EXPECT_EQ(FixedLine().A(0, "IN").View(), "");
    EXPECT_EQ(FixedLine().A(3, "").View(), "   ");
    EXPECT_EQ(FixedLine().X(0).View(), "");
    EXPECT_EQ(FixedLine().A(5, "ab").A(2, "xyz").View(), "   abxy");
    const FixedLine line = FixedLine().X(6).Text("NUMBER OF INCREMENTS = ").I(3, 40);
    EXPECT_EQ(line.View(), "      NUMBER OF INCREMENTS =  40");
}

TEST(FixedLine, LongLinesStopAtCapacity) {
    FixedLine line;
    for (int k = 0; k < 100; ++k) line.E(10, 3, 1.0);
    EXPECT_EQ(line.View().size(), static_cast<std::size_t>(FixedLine::kCapacity));
}

}  // namespace keldra
