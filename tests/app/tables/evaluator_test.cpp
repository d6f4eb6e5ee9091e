#include "app/tables/evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "app/tables/tableerror.h"

namespace {

double evaluate(const char* text) { return TEvaluator(QLocale::c()).evaluate(text); }

QString failureOf(const char* text, const QLocale& locale = QLocale::c()) {
    try {
        (void)TEvaluator(locale).evaluate(text);
    } catch (const ETableError& error) {
        return error.message();
    }
    return QStringLiteral("<no error>");
}

}  // namespace

TEST(Evaluator, ValuesOfExpressions) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"2+3*4", 14},
        {"(2+3)*4", 20},
        {"2^3^2", 64},
        {"8-2-1", 5},
        {"10%3", 1},
        {"7.9%2", 1},
        {"-7%3", -1},
        {"-2^2", 4},
        {"3*-2", -6},
        {"3-(1-3)", 5},
        {"(1-3)*2", -4},
        {"3--2", 5},
        {"1E-5", 0.00001},
        {"2.5e-3*2", 0.005},
        {"1 2 + 3", 15},
        {"\t4 /\t2", 2},
        {"1=1", 1},
        {"1=2", 0},
        {"0|2", 1},
        {"0|0", 0},
        {"0&5", 0},
        {"3&5", 1},
        {"1+1=2", 1},
        {"pi/2", std::numbers::pi / 2},
        {"-pi", -std::numbers::pi},
        {"e", std::numbers::e},
        {"-e*2", -2 * std::numbers::e},
        {"sin(pi/2)", 1},
        {"cosec(pi/2)", 1},
        {"csc(pi/2)", 1},
        {"sec0", 1},
        {"cos0", 1},
        {"cosh0", 1},
        {"tan0", 0},
        {"tanh0", 0},
        {"cotan(pi/4)", 1},
        {"arctan1*4", std::numbers::pi},
        {"arcsin1*2", std::numbers::pi},
        {"arccos0*2", std::numbers::pi},
        {"arctanh0", 0},
        {"arcsinh0", 0},
        {"arccosh1", 0},
        {"sinh0", 0},
        {"sqrt16", 4},
        {"sqrt(16)", 4},
        {"sqrt(8+8)", 4},
        {"sqrt4*3", 6},
        {"SQRT(9)", 3},
        {"sin-1", std::sin(-1.0)},
        {"abs-3", 3},
        {"frac-2.75", -0.75},
        {"int-2.75", -2},
        {"round2.5", 2},
        {"round3.5", 4},
        {"round-2.5", -2},
        {"ceil2.1", 3},
        {"floor-2.1", -3},
        {"ln(e)", 1},
        {"log1000", 3},
        {"4!", 24},
        {"0!", 1},
        {"-3!", -6},
        {"3!+1", 7},
        {"$1F", 31},
        {"$ff*2", 510},
        {"$FFFFFFFF", -1},
        {"ceil(2147483646.5)", 2147483647},
        {"floor(-2147483648)", -2147483648.0},
        {"((2))", 2},
        {"2*(3+(4-1))", 12},
        {"--5", 5},
        {".5*2", 1},
        {"5.*2", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_NEAR(evaluate(c.text), c.value, 1E-12 * std::max(1.0, std::fabs(c.value)));
    }
}

TEST(Evaluator, FailureMessages) {
    const QString prefix = QStringLiteral("Entry could not be evaluated:\r");
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"", "entry cannot be blank"},
        {"()", "entry cannot be blank"},
        {"2)", "() (parentheses) do not match"},
        {")(", "() (parentheses) do not match"},
        {"2+", "invalid expression"},
        {"*", "invalid expression"},
        {"   ", "invalid expression"},
        {"(2", "invalid character(s) in expression"},
        {"1E+5", "invalid character(s) in expression"},
        {"abc", "invalid character(s) in expression"},
        {"+2", "invalid character(s) in expression"},
        {"2++3", "invalid character(s) in expression"},
        {"sqrt", "invalid character(s) in expression"},
        {"2*sqrt-4", "invalid character(s) in expression"},
        {"1,5", "invalid character(s) in expression"},
        {"inf", "invalid character(s) in expression"},
        {"$", "invalid use of $ (hex function)"},
        {"$1G", "invalid use of $ (hex function)"},
        {"$123456789", "invalid use of $ (hex function)"},
        {"4.5!", "! (factoral) applicable to integers only"},
        {"(1/2)!", "! (factoral) applicable to integers only"},
    };
    for (const Case& c : cases) EXPECT_EQ(failureOf(c.text), prefix + c.message) << c.text;
}

TEST(Evaluator, ArithmeticFaultsCarryThePlatformMessages) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"1/0", "Floating point division by zero"},
        {"0/0", "Invalid floating point operation"},
        {"5%0", "Floating point division by zero"},
        {"ln0", "Floating point division by zero"},
        {"sqrt-4", "Invalid floating point operation"},
        {"ln-1", "Invalid floating point operation"},
        {"arcsin2", "Invalid floating point operation"},
        {"10^400", "Floating point overflow"},
        {"200!", "Floating point overflow"},
        {"1E999", "Floating point overflow"},
        {"ceil(3E9)", "Invalid floating point operation"},
        {"ceil(2147483648)", "Invalid floating point operation"},
        {"9223372036854775808%2", "Invalid floating point operation"},
        {"0^-1", "Floating point division by zero"},
    };
    for (const Case& c : cases) EXPECT_EQ(failureOf(c.text), c.message) << c.text;
}

TEST(Evaluator, UsesTheRegionalDecimalSeparator) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_DOUBLE_EQ(TEvaluator(german).evaluate("1,5*2"), 3);
    // Intermediate results are written back with the same separator.
    EXPECT_DOUBLE_EQ(TEvaluator(german).evaluate("(1/4)*2"), 0.5);
    EXPECT_EQ(failureOf("1.5", german),
              QStringLiteral("Entry could not be evaluated:\rinvalid character(s) in expression"));
}
