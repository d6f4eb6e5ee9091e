#include "app/results/summary_table.h"

#include <gtest/gtest.h>

namespace keldra::results {

namespace {

Quantity Printed(const char* text) { return {ReadFigure(text), text, {}}; }

ProblemSummary Problem(const char* label, const char* top, const char* moment) {
    ProblemSummary p;
    p.label = label;
    p.iterations = 4;
    p.units = {"M", "KN", "KN-M", "KN/M"};
    p.increments = 40;
    p.increment_length = {ExactFigure(0.25), {}, {}};
    p.free_height = {ExactFigure(6.5), {}, {}};
    p.wall_length = {ExactFigure(10.0), {}, {}};
    p.embedment = {ExactFigure(3.5), {}, {}};
    p.top_deflection = Printed(top);
    p.deflection = {0, Printed(top), Printed("0.0000E+00")};
    p.moment = {32, Printed(moment), Printed("0.8000E+01")};
    p.shear = {27, Printed("-0.3742E+02"), Printed("0.6750E+01")};
    p.reaction = {40, Printed("0.5767E+02"), Printed("0.1000E+02")};
    return p;
}

}  // namespace

TEST(SummaryTable, OneColumnPerProblemOneRowPerQuantity) {
    ResultsSummary s;
    s.ended = true;
    s.problems = {Problem("short term", "0.8704E-02", "0.7657E+02"),
                  Problem("long term", "0.1161E-01", "0.1030E+03")};
    s.problems[1].closed = false;
    s.problems[1].iterations = 100;
    s.problems[1].warnings = {"***** DEFLECTION OFF Q - W CURVES *****",
                              "***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****"};
    TiebackForce t;
    t.station = 6;
    t.depth = Printed("0.1500E+01");
    t.force = {Product(ReadFigure("0.537E+04"), ReadFigure("0.1005E-01")), {}, {}};
    s.problems[1].tiebacks = {t};
    s.problems[1].notes = {
        "the plot data cannot be read; the results have the report's three "
        "digits"};

    const SummaryTable table = TableOf(s);
    EXPECT_EQ(table.problems, (std::vector<std::string>{"Short term", "Long term"}));
    EXPECT_EQ(TableTabSeparated(table),
              "Quantity\tUnit\tShort term\tLong term\n"
              "Iterations\t\t4\t100\n"
              "Solution\t\tclosed\tnot closed\n"
              "Warnings\t\tnone\tDEFLECTION OFF Q - W CURVES; SOLUTION NOT CLOSED WITHIN "
              "SPECIFIED'TOLERANCE\n"
              "Deflection at top\tM\t0.008704\t0.01161\n"
              "Largest deflection\tM\t0.008704\t0.01161\n"
              "Depth of largest deflection\tM\t0.0000\t0.0000\n"
              "Largest bending moment\tKN-M\t76.57\t103.0\n"
              "Depth of largest moment\tM\t8.000\t8.000\n"
              "Largest shear\tKN\t-37.42\t-37.42\n"
              "Depth of largest shear\tM\t6.750\t6.750\n"
              "Largest soil reaction\tKN\t57.67\t57.67\n"
              "Depth of largest soil reaction\tM\t10.00\t10.00\n"
              "Wall length\tM\t10\t10\n"
              "Free height\tM\t6.5\t6.5\n"
              "Embedment below excavation\tM\t3.5\t3.5\n"
              "Tieback 1 depth\tM\t\t1.500\n"
              "Tieback 1 force\tKN\t\t54.0\n");
    EXPECT_EQ(
        TableText(table),
        "Quantity                        Unit  Sh"
        "ort term                                                                    Long term\n"
        "Iterations                              "
        "       4                                                                          100\n"
        "Solution                                "
        "  closed                                                                   not closed\n"
        "Warnings                                "
        "    none  DEFLECTION OFF Q - W CURVES; SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE\n"
        "Deflection at top               M       "
        "0.008704                                                                      0.01161\n"
        "Largest deflection              M       "
        "0.008704                                                                      0.01161\n"
        "Depth of largest deflection     M       "
        "  0.0000                                                                       0.0000\n"
        "Largest bending moment          KN-M    "
        "   76.57                                                                        103.0\n"
        "Depth of largest moment         M       "
        "   8.000                                                                        8.000\n"
        "Largest shear                   KN      "
        "  -37.42                                                                       -37.42\n"
        "Depth of largest shear          M       "
        "   6.750                                                                        6.750\n"
        "Largest soil reaction           KN      "
        "   57.67                                                                        57.67\n"
        "Depth of largest soil reaction  M       "
        "   10.00                                                                        10.00\n"
        "Wall length                     M       "
        "      10                                                                           10\n"
        "Free height                     M       "
        "     6.5                                                                          6.5\n"
        "Embedment below excavation      M       "
        "     3.5                                                                          3.5\n"
        "Tieback 1 depth                 M       "
        "                                                                                1.500\n"
        "Tieback 1 force                 KN      "
        "                                                                                 54.0\n"
        "\n"
        "The largest values are those of the largest magnitude, with their sign.\n"
        "A tieback's force is its stiffness times the deflection at its station, positive "
        "when the anchor is in tension.\n"
        "Long term: the plot data cannot be read; the results have the report's three "
        "digits.\n");
}

TEST(SummaryTable, UnitsThatDifferGoIntoTheCellsAndMissingValuesAreExplained) {
    ResultsSummary s;
    s.problems = {Problem("stage 1", "0.8704E-02", "0.7657E+02"),
                  Problem("stage 2", "0.1161E+00", "0.1030E+03")};
    s.problems[1].units = {"IN", "LBS", "LBS-IN", "LBS/IN"};
    s.problems[1].shear.value = {Figure{}, "************", "no number at station 27"};
    s.stop = {"ERROR STOP -- STATIONS NOT IN ORDER"};

    const SummaryTable table = TableOf(s);
    ASSERT_GE(table.rows.size(), 9u);
    const SummaryTable::Row& top = table.rows[3];
    EXPECT_EQ(top.quantity, "Deflection at top");
    EXPECT_EQ(top.unit, "");
    EXPECT_EQ(top.cells, (std::vector<std::string>{"0.008704 M", "0.1161 IN"}));
    const SummaryTable::Row& shear = table.rows[8];
    EXPECT_EQ(shear.quantity, "Largest shear");
    EXPECT_EQ(shear.cells, (std::vector<std::string>{"-37.42 KN", "n/a LBS"}));
    EXPECT_EQ(table.rows[0].unit, "");  // iterations have none
    EXPECT_EQ(table.notes,
              (std::vector<std::string>{
                  "The largest values are those of the largest magnitude, with their sign.",
                  "The run stopped: ERROR STOP -- STATIONS NOT IN ORDER",
                  "Stage 2, Largest shear: no number at station 27."}));
}

TEST(SummaryTable, AReportThatCannotBeReadLeavesOnlyItsNote) {
    ResultsSummary s;
    s.error = "the report /walls/a.kd5o cannot be read";
    const SummaryTable table = TableOf(s);
    EXPECT_TRUE(table.rows.empty());
    EXPECT_EQ(TableText(table), "The report /walls/a.kd5o cannot be read.\n");
    EXPECT_EQ(TableTabSeparated(table), "Quantity\tUnit\n");
}

}  // namespace keldra::results
