// The decimal texts equal what printf writes, for values chosen to break a
// conversion: exact ties, decimals that only look like ties and their
// neighbouring doubles, carries into a new digit, subnormals, the largest
// doubles, and random bit patterns over the whole range.
#include "engine/decimal_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace keldra {

namespace {

std::string Printf(const char* format, int precision, double value) {
    char text[512];
    std::snprintf(text, sizeof text, format, precision, value);
    return text;
}

std::string Scientific(double value, int decimals) {
    char text[ScientificTextCapacity(kMaxSignificantDigits - 1)];
    return {text, ScientificText(text, value, decimals)};
}

std::string Fixed(double magnitude, int decimals) {
    char text[kFixedTextCapacity];
    return {text, FixedText(text, magnitude, decimals)};
}

std::string Significant(double magnitude, int count, int& exponent) {
    char digits[kMaxSignificantDigits];
    exponent = SignificantDigits(magnitude, count, digits);
    return {digits, static_cast<std::size_t>(count)};
}

// Values at and next to the rounding boundaries of 1 to 16 digits: the
// nearest double to a decimal ending in 5, and its neighbours either side.
std::vector<double> NearTies(std::mt19937_64& random) {
    std::vector<double> values;
    std::uniform_int_distribution<int> digits(1, 16), exponent(-30, 30);
    for (int k = 0; k < 20000; ++k) {
        std::string text = "0.";
        const int n = digits(random);
        for (int d = 0; d < n; ++d) text += static_cast<char>('0' + random() % 10);
        text += "5e" + std::to_string(exponent(random));
        const double tie = std::strtod(text.c_str(), nullptr);
        values.push_back(tie);
        values.push_back(std::nextafter(tie, 0.0));
        values.push_back(std::nextafter(tie, 1e300));
    }
    for (double exact :
         {0.125,   0.375, 2.5,   3.5,     0.5,   1.5,  1.125, 12.5,   1e23,   9.9995,
          9.99951, 999.5, 998.5, 0.09995, 2.675, 0.15, 0.45,  5e-324, 1e-100, 1e100}) {
        values.push_back(exact);
    }
    return values;
}

// Random bit patterns: every exponent, subnormals included, finite only.
std::vector<double> RandomBits(std::mt19937_64& random) {
    std::vector<double> values;
    while (values.size() < 100000) {
        const double v = std::bit_cast<double>(random());
        if (std::isfinite(v)) values.push_back(std::fabs(v));
    }
    return values;
}

// Magnitudes an analysis writes: 10^-30 to 10^30, spread evenly in the exponent.
std::vector<double> RealisticValues(std::mt19937_64& random) {
    std::vector<double> values;
    std::uniform_real_distribution<double> exponent(-30.0, 30.0);
    for (int k = 0; k < 100000; ++k) values.push_back(std::pow(10.0, exponent(random)));
    return values;
}

std::vector<double> EdgeValues() {
    using limits = std::numeric_limits<double>;
    const double kHuge = limits::infinity();
    std::vector<double> values = {0.0, limits::denorm_min(), limits::min(), limits::max(), 1.0,
                                  0.1};
    for (int e = -1074; e <= 1023; ++e) values.push_back(std::ldexp(1.0, e));
    for (int e = -323; e <= 308; ++e) {
        const double power = std::pow(10.0, e);
        values.insert(values.end(),
                      {power, std::nextafter(power, 0.0), std::nextafter(power, kHuge)});
    }
    return values;
}

std::vector<double> AllValues() {
    std::mt19937_64 random(20150506);
    std::vector<double> values = EdgeValues();
    for (const auto& more : {NearTies(random), RandomBits(random), RealisticValues(random)}) {
        values.insert(values.end(), more.begin(), more.end());
    }
    return values;
}

const std::vector<double>& Values() {
    static const std::vector<double> values = AllValues();
    return values;
}

}  // namespace

TEST(DecimalText, ScientificEqualsPrintfForEveryPrecision) {
    int precision = 0;
    for (double v : Values()) {
        precision = (precision + 1) % 20;
        const double value = precision % 2 == 0 ? v : -v;
        ASSERT_EQ(Scientific(value, precision), Printf("%.*E", precision, value))
            << std::hexfloat << value;
    }
}

// A decimal that ends in 5 one place past the digits kept is a tie, and the
// doubles nearest it lie a hair to either side: rounded at exactly that
// place they show whether the scaling error is kept away from the decision.
TEST(DecimalText, NearTiesRoundAtTheirOwnPlace) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> kept(1, 15), exponent(-25, 25), whole(0, 999999);
    const auto digits = [&](int n) {
        std::string text;
        for (int d = 0; d < n; ++d) text += static_cast<char>('0' + random() % 10);
        return text;
    };
    for (int k = 0; k < 30000; ++k) {
        const int n = kept(random);
        const std::string mantissa = std::to_string(1 + random() % 9) + "." + digits(n - 1) + "5";
        const double tie =
            std::strtod((mantissa + "e" + std::to_string(exponent(random))).c_str(), nullptr);
        const int places = n <= 9 ? n : 9;
        const double fixed_tie = std::strtod(
            (std::to_string(whole(random)) + "." + digits(places - 1) + "5").c_str(), nullptr);
        for (double toward : {0.0, 1e300}) {
            for (double v : {tie, std::nextafter(tie, toward)}) {
                ASSERT_EQ(Scientific(v, n - 1), Printf("%.*E", n - 1, v)) << std::hexfloat << v;
            }
            for (double v : {fixed_tie, std::nextafter(fixed_tie, toward)}) {
                ASSERT_EQ(Fixed(v, places), Printf("%.*f", places, v)) << std::hexfloat << v;
            }
        }
    }
}

TEST(DecimalText, ScientificOfSignedZeroesAndValuesWithoutForm) {
    const double infinity = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Scientific(0.0, 7), "0.0000000E+00");
    EXPECT_EQ(Scientific(-0.0, 7), "-0.0000000E+00");
    EXPECT_EQ(Scientific(-0.0, 0), "-0E+00");
    EXPECT_EQ(Scientific(infinity, 7), "INF");
    EXPECT_EQ(Scientific(-infinity, 10), "-INF");
    EXPECT_EQ(Scientific(nan, 7), "NAN");
    EXPECT_EQ(Scientific(-nan, 7), "-NAN");
    EXPECT_EQ(Scientific(1.5e-320, 2), "1.50E-320");
    EXPECT_EQ(Scientific(-1e200, 1), "-1.0E+200");
}

TEST(DecimalText, SignificantDigitsCarryIntoTheNextExponent) {
    int exponent = 0;
    EXPECT_EQ(Significant(9.9996, 3, exponent), "100");
    EXPECT_EQ(exponent, 1);
    EXPECT_EQ(Significant(0.0, 4, exponent), "0000");
    EXPECT_EQ(exponent, 0);
    EXPECT_EQ(Significant(std::numeric_limits<double>::max(), 3, exponent), "180");
    EXPECT_EQ(exponent, 308);
    EXPECT_EQ(Significant(0.1, 40, exponent), "1000000000000000055511151231257827021182");
    EXPECT_EQ(exponent, -1);
}

TEST(DecimalText, FixedEqualsPrintfBelowTheLimit) {
    int decimals = 0;
    for (double v : Values()) {
        if (!(v < kFixedLimit)) continue;
        decimals = (decimals + 1) % 19;
        ASSERT_EQ(Fixed(v, decimals), Printf("%.*f", decimals, v)) << std::hexfloat << v;
    }
    EXPECT_EQ(Fixed(9.99e299, 0), Printf("%.*f", 0, 9.99e299));
    EXPECT_EQ(Fixed(0.1, kMaxFixedDecimals), Printf("%.*f", kMaxFixedDecimals, 0.1));
}

TEST(DecimalText, IntegersWithLeadingZeroes) {
    const struct {
        unsigned long long value;
        int min_digits;
    } cases[] = {{0, 1},         {0, 3},  {7, 2},
                 {42, 4},        {99, 2}, {100, 2},
                 {123456789, 1}, {1, 20}, {18446744073709551615ULL, 1}};
    for (const auto& c : cases) {
        char text[kIntegerTextCapacity];
        char expected[32];
        std::snprintf(expected, sizeof expected, "%0*llu", c.min_digits, c.value);
        EXPECT_EQ(std::string(text, IntegerText(text, c.value, c.min_digits)), expected);
    }
    std::mt19937_64 random(7);
    for (int k = 0; k < 10000; ++k) {
        const unsigned long long value = random() >> (random() % 64);
        char text[kIntegerTextCapacity];
        ASSERT_EQ(std::string(text, IntegerText(text, value)), std::to_string(value));
    }
}

}  // namespace keldra
