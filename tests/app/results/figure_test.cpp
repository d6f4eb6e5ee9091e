#include "app/results/figure.h"

#include <gtest/gtest.h>

#include <cmath>

namespace keldra::results {

TEST(Figure, ReadsTheFormsTheEnginePrints) {
    const struct {
        const char* text;
        double value;
        int last_place;
    } cases[] = {
        {" 0.123E+02", 12.3, -1},        // report, E12.3
        {"-0.1234E-03", -1.234e-4, -7},  // plot data, E13.4
        {"0.000E+00", 0.0, -3},
        {"0.123+100", 0.123e100, 97},  // three-digit exponents drop the letter
        {"-0.1234-100", -0.1234e-100, -104},
        {"   6.500", 6.5, -3},  // grid echo, F7.3
        {"0.25", 0.25, -2},     // project file
        {"1E-5", 1e-5, -5},
        {"40", 40.0, 0},
        {"+.5", 0.5, -1},
    };
    for (const auto& c : cases) {
        const Figure f = ReadFigure(c.text);
        ASSERT_TRUE(f.known()) << c.text;
        EXPECT_DOUBLE_EQ(f.value, c.value) << c.text;
        EXPECT_EQ(f.last_place, c.last_place) << c.text;
    }
}

TEST(Figure, AFieldWithoutANumberHasNone) {
    for (const char* text : {"**********", "", "   ", "-", ".", "0.1E", "0.1E+", "1.2.3", "--1",
                             "0.1x", "12 5", "nan", "inf", "0.1E+99999", "1E400"}) {
        EXPECT_FALSE(ReadFigure(text).known()) << '"' << text << '"';
    }
}

TEST(Figure, DerivedValuesKeepTheDigitsOfTheirInputs) {
    // A report stiffness of three digits times a plot deflection of four.
    const Figure force = Product(ReadFigure("0.537E+04"), ReadFigure("0.1005E-01"));
    EXPECT_DOUBLE_EQ(force.value, 54.0);
    EXPECT_EQ(force.last_place, -1);
    EXPECT_EQ(DisplayText(force), "54.0");
    EXPECT_EQ(ShortestText(force), "54");

    // A printed zero deflection leaves the force known to S times its last unit.
    const Figure none = Product(ReadFigure("0.537E+04"), ReadFigure("0.0000E+00"));
    EXPECT_EQ(none.value, 0.0);
    EXPECT_EQ(none.last_place, -1);

    // Exact inputs stay exact, without binary noise.
    const Figure length = Scaled(ExactFigure(0.1), 3);
    EXPECT_TRUE(length.exact());
    EXPECT_EQ(ShortestText(length), "0.3");
    const Figure embedment = Difference(Scaled(ExactFigure(0.25), 40), ExactFigure(6.5));
    EXPECT_TRUE(embedment.exact());
    EXPECT_EQ(DisplayText(embedment), "3.5");

    // From the grid echo's three decimals: 30 × 0.333 has three digits.
    const Figure echoed = Scaled(ReadFigure("0.333"), 30);
    EXPECT_EQ(DisplayText(echoed), "9.99");
    EXPECT_EQ(DisplayText(Difference(echoed, ReadFigure("5.000"))), "4.99");
    EXPECT_EQ(DisplayText(Difference(echoed, ExactFigure(5.0))), "4.99");

    EXPECT_FALSE(Product(Figure{}, ExactFigure(2.0)).known());
    EXPECT_FALSE(Difference(ExactFigure(2.0), Figure{}).known());
}

TEST(Figure, TwoPrintingsAgreeWithinTheirHalfUnits) {
    // The plot data's 0.1235E+02 may be a value the report rounds either way.
    EXPECT_TRUE(Agree(ReadFigure("0.124E+02"), ReadFigure("0.1235E+02")));
    EXPECT_TRUE(Agree(ReadFigure("0.123E+02"), ReadFigure("0.1235E+02")));
    EXPECT_FALSE(Agree(ReadFigure("0.123E+02"), ReadFigure("0.1236E+02")));
    EXPECT_TRUE(Agree(ReadFigure("0.100E+00"), ReadFigure("0.9996E-01")));
    EXPECT_TRUE(Agree(ReadFigure("6.500"), ExactFigure(6.5004)));
    EXPECT_FALSE(Agree(ReadFigure("6.500"), ExactFigure(6.5006)));
    EXPECT_FALSE(Agree(ReadFigure("**"), ReadFigure("**")));
}

TEST(Figure, TextsForPeopleAndForJson) {
    const struct {
        Figure figure;
        const char* display;
        const char* shortest;
    } cases[] = {
        {ReadFigure("0.4430E+06"), "443000", "443000"},
        {ReadFigure("0.1161E-01"), "0.01161", "0.01161"},
        {ReadFigure("0.1200E+02"), "12.00", "12"},
        {ReadFigure("-0.000E+00"), "0.000", "0"},
        {ReadFigure("0.123E-06"), "1.23E-07", "1.23e-07"},
        {ReadFigure("-0.5000E+10"), "-5.000E+09", "-5e+09"},
        {ReadFigure("0.1234+100"), "1.234E+99", "1.234e+99"},
        {ExactFigure(1e-5), "1E-05", "1e-05"},
        {ExactFigure(0.0001), "0.0001", "0.0001"},
        {ExactFigure(240.0), "240", "240"},
        {Figure{}, "n/a", "null"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DisplayText(c.figure), c.display) << c.display;
        EXPECT_EQ(ShortestText(c.figure), c.shortest) << c.shortest;
    }
}

}  // namespace keldra::results
