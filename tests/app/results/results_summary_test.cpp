#include "app/results/results_summary.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace keldra::results {

namespace {

// A results section whose top deflection and station-1 moment are the given
// report fields (E12.3).
std::string ResultsSection(int iterations, const std::string& warning, const char* top,
                           const char* moment) {
    char line[160];
    std::string text = "\n\n     RESULTS -- ITERATION" + std::string(iterations < 10 ? "  " : " ") +
                       std::to_string(iterations) + "\n     --------------------\n";
    if (!warning.empty()) text += "\n" + warning + "\n";
    text +=
        "\n   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    NET REACT/STA    EI "
        "\n";
    text +=
        "             IN          IN                   LBS-IN        LBS         LBS       "
        "LBS-IN**2\n";
    text +=
        "   ------    ----        ----       -----      ------      ------    ---------    "
        "----------\n";
    std::snprintf(
        line, sizeof line,
        "     0   0.000E+00%12s   0.000E+00   0.000E+00   0.000E+00   0.000E+00   0.100E+10\n",
        top);
    text += line;
    std::snprintf(
        line, sizeof line,
        "     1   0.120E+02   0.100E+00   0.000E+00%12s  -0.500E+02   0.000E+00   0.100E+10\n",
        moment);
    text += line;
    return text;
}

const std::string kEnd = "\n\n\n     END OF ANALYSIS                             \n";

}  // namespace

TEST(ResultsSummary, ShortAndLongTermWithWarnings) {
    std::stringstream report(
        "      Wall\n" + ResultsSection(3, "", "0.500E+00", "0.100E+03") +
        "\n      Long Term :  Wall\n" +
        ResultsSection(100, "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****",
                       "-0.700E+00", "-0.200E+03") +
        kEnd);
    const ResultsSummary s = Summarise(report, nullptr, nullptr);
    ASSERT_EQ(s.problems.size(), 2u);
    EXPECT_TRUE(s.ended);
    EXPECT_TRUE(s.stop.empty());
    EXPECT_EQ(s.problems[0].label, "short term");
    EXPECT_EQ(s.problems[0].iterations, 3);
    EXPECT_TRUE(s.problems[0].closed);
    EXPECT_DOUBLE_EQ(s.problems[0].deflection.value.figure.value, 0.5);
    EXPECT_DOUBLE_EQ(s.problems[0].moment.value.figure.value, 100.0);
    EXPECT_DOUBLE_EQ(s.problems[0].moment.depth.figure.value, 12.0);
    EXPECT_EQ(s.problems[1].label, "long term");
    EXPECT_EQ(s.problems[1].iterations, 100);
    EXPECT_FALSE(s.problems[1].closed);
    EXPECT_DOUBLE_EQ(s.problems[1].deflection.value.figure.value, -0.7);
    // The texts of the report's fields, not the value printed anew.
    EXPECT_EQ(s.problems[1].deflection.value.printed, "-0.700E+00");
    EXPECT_EQ(s.problems[0].moment.depth.printed, "0.120E+02");
    EXPECT_EQ(s.problems[1].units.length, "IN");
    EXPECT_EQ(s.problems[1].units.moment, "LBS-IN");
    EXPECT_EQ(s.problems[1].units.force, "LBS");
    EXPECT_EQ(s.problems[1].units.stiffness, "LBS/IN");
}

TEST(ResultsSummary, ValuesKeepTheDigitsOfTheReport) {
    std::stringstream report("      Wall\n" + ResultsSection(3, "", "-0.355E+01", "0.123E+04") +
                             kEnd);
    const ResultsSummary s = Summarise(report, nullptr, nullptr);
    ASSERT_EQ(s.problems.size(), 1u);
    EXPECT_DOUBLE_EQ(s.problems[0].deflection.value.figure.value, -3.55);
    EXPECT_EQ(s.problems[0].deflection.value.printed, "-0.355E+01");
    EXPECT_EQ(s.problems[0].deflection.depth.printed, "0.000E+00");
    EXPECT_EQ(s.problems[0].moment.value.printed, "0.123E+04");
}

TEST(ResultsSummary, StopMessageAfterEarlierResults) {
    std::stringstream report(
        "      Stage No : 1  Wall\n" + ResultsSection(2, "", "0.100E+00", "0.100E+01") +
        "\n      Stage No : 2  Wall\n echo lines\n\n\n     TOO MUCH DATA FOR AVAILABLE STORAGE\n"
        "     MORE THAN 63 P-Y CURVES\n\n\n" +
        kEnd);
    const ResultsSummary s = Summarise(report, nullptr, nullptr);
    ASSERT_EQ(s.problems.size(), 1u);
    EXPECT_EQ(s.problems[0].label, "stage 1");
    EXPECT_EQ(s.stop, (std::vector<std::string>{"TOO MUCH DATA FOR AVAILABLE STORAGE",
                                                "MORE THAN 63 P-Y CURVES"}));
}

}  // namespace keldra::results
