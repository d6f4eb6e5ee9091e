// The summary from the report, the plot data and the project file together:
// which source gives each value, and what is said when one is missing or
// belongs to another run.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "app/results/json_writer.h"
#include "app/results/results_summary.h"
#include "app/results/summary_json.h"

namespace keldra::results {

namespace {

using Fields = std::array<std::string, 5>;  // depth, deflection, moment, shear, net reaction

// A staged SI problem of a 4-increment wall (H 0.25 m, free height 0.5 m) as
// the report prints it: the grid echo, the stiffness and spring echo, the
// results table.
struct Problem {
    int stage;
    std::vector<std::string> echo_rows;  // after the wall stiffness row
    std::vector<Fields> stations;        // report fields, E12.3
};

std::string StationLine(int i, const Fields& f) {
    char line[160];
    std::snprintf(line, sizeof line, "  %4d  %10s%12s   0.000E+00%12s%12s%12s   0.600E+05\n", i,
                  f[0].c_str(), f[1].c_str(), f[2].c_str(), f[3].c_str(), f[4].c_str());
    return line;
}

std::string ReportOf(const std::vector<Problem>& problems) {
    std::string text;
    for (const Problem& p : problems) {
        const std::string heading = "      Stage No : " + std::to_string(p.stage) + "  Wall\n";
        text += heading +
                "      NUMBER OF INCREMENTS                               =   4\n"
                "      INCREMENT LENGTH                                   =   0.250  M\n"
                "      FREE HEIGHT OF WALL                                =   0.500  M\n"
                "     FROM TO CONTD     EI         Q        S'        T         R         P\n\n"
                "                    KN- M**2      KN      KN/ M     M- KN    M- KN      KN\n"
                "        0   4  0  0.600E+05 0.000E+00 0.000E+00 0.000E+00 0.000E+00 0.000E+00\n";
        for (const std::string& row : p.echo_rows) text += row + "\n";
        text += "\n" + heading +
                "\n\n     RESULTS -- ITERATION  3\n     --------------------\n\n"
                "   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    NET REACT/STA"
                "    EI \n"
                "              M           M                    KN- M         KN          KN     "
                "   KN- M**2\n"
                "   ------    ----        ----       -----      ------      ------    ---------    "
                "----------\n";
        for (std::size_t i = 0; i < p.stations.size(); ++i)
            text += StationLine(static_cast<int>(i), p.stations[i]);
    }
    return text + "\n\n\n     END OF ANALYSIS\n";
}

// One plot-data block: no earth pressure, no curves, the result rows (E13.4).
std::string PlotBlock(int blocks, const std::vector<Fields>& rows) {
    std::string text =
        "0\n2 0\n" + std::to_string(blocks) + " " + std::to_string(rows.size()) + " 2\n";
    for (const Fields& f : rows) {
        for (const std::string& field : f) {
            text.append(14 - field.size(), ' ');
            text += field;
        }
        text += "\n";
    }
    return text;
}

// A project block head: control record (tiebacks last) and wall grid.
std::string ProjectBlock(const std::string& title, int tiebacks, const char* grid) {
    return title + "\r\n2 0\t1\t0\t1\t1 0 2 0 " + std::to_string(tiebacks) + "\r\n" + grid +
           "\r\n0\t4\t1\t60000\r\n";
}

const char* const kGrid = "4 0.25\t1\t1E-6\t0.5\t1";

// Stage 1 is a cantilever; in stage 2 a tieback at station 1 holds the wall
// behind a spring row over the toe.
const char* const kTieback =
    "        1   1  0  0.600E+05 0.000E+00 0.200E+04 0.000E+00 0.000E+00 0.000E+00";
const char* const kToeSprings =
    "        3   4  0  0.600E+05 0.000E+00 0.500E+03 0.000E+00 0.000E+00 0.000E+00";

const std::vector<Fields> kStage1 = {
    {"0.000E+00", "0.870E-02", "0.000E+00", "0.000E+00", "0.000E+00"},
    {"0.250E+00", "0.600E-02", "0.500E+00", "0.200E+01", "0.100E+01"},
    {"0.500E+00", "0.300E-02", "0.100E+01", "-0.300E+01", "-0.200E+01"},
    {"0.750E+00", "0.100E-02", "0.100E+01", "0.100E+01", "0.300E+01"},
    {"0.100E+01", "-0.100E-02", "0.000E+00", "0.000E+00", "0.000E+00"},
};
// The plot data's digits: the moment's two equal report fields part.
const std::vector<Fields> kStage1Plot = {
    {"0.0000E+00", "0.8704E-02", "0.0000E+00", "0.0000E+00", "0.0000E+00"},
    {"0.2500E+00", "0.6001E-02", "0.5000E+00", "0.2000E+01", "0.1000E+01"},
    {"0.5000E+00", "0.3002E-02", "0.9984E+00", "-0.3001E+01", "-0.2004E+01"},
    {"0.7500E+00", "0.1003E-02", "0.1003E+01", "0.1000E+01", "0.3003E+01"},
    {"0.1000E+01", "-0.1000E-02", "0.0000E+00", "0.0000E+00", "0.0000E+00"},
    {"0.1250E+01", "-0.3000E-02", "0.0000E+00", "0.0000E+00", "0.0000E+00"},
};
const std::vector<Fields> kStage2 = {
    {"0.000E+00", "0.200E-02", "0.000E+00", "0.000E+00", "0.000E+00"},
    {"0.250E+00", "-0.100E-01", "0.500E+00", "0.100E+01", "-0.200E+02"},
    {"0.500E+00", "0.300E-02", "0.200E+01", "0.500E+01", "0.500E+01"},
    {"0.750E+00", "0.100E-02", "0.100E+01", "0.100E+01", "0.300E+01"},
    {"0.100E+01", "0.000E+00", "0.000E+00", "0.000E+00", "0.000E+00"},
};
const std::vector<Fields> kStage2Plot = {
    {"0.0000E+00", "0.2000E-02", "0.0000E+00", "0.0000E+00", "0.0000E+00"},
    {"0.2500E+00", "-0.1004E-01", "0.5000E+00", "0.1000E+01", "-0.2004E+02"},
    {"0.5000E+00", "0.3000E-02", "0.2000E+01", "0.5000E+01", "0.5000E+01"},
    {"0.7500E+00", "0.1000E-02", "0.1000E+01", "0.1000E+01", "0.3000E+01"},
    {"0.1000E+01", "0.0000E+00", "0.0000E+00", "0.0000E+00", "0.0000E+00"},
    {"0.1250E+01", "0.0000E+00", "0.0000E+00", "0.0000E+00", "0.0000E+00"},
};

struct Files {
    std::string report = ReportOf({{1, {}, kStage1}, {2, {kToeSprings, kTieback}, kStage2}});
    std::string plot = PlotBlock(2, kStage1Plot) + PlotBlock(2, kStage2Plot);
    std::string project = ProjectBlock("Wall", 0, kGrid) + ProjectBlock(" Stage No : 2", 1, kGrid);
    bool with_plot = true, with_project = true;

    ResultsSummary Summary() const {
        std::istringstream r(report), p(plot), j(project);
        return Summarise(r, with_plot ? &p : nullptr, with_project ? &j : nullptr);
    }
};

std::string JsonOf(const ResultsSummary& summary) {
    JsonWriter json;
    json.BeginObject();
    WriteSummaryMembers(json, summary);
    json.EndObject();
    return json.Text();
}

}  // namespace

TEST(SummarySources, ThePlotDataGivesTheFourthDigitAndTheProjectTheExactWall) {
    const ResultsSummary s = Files().Summary();
    ASSERT_EQ(s.problems.size(), 2u);
    const ProblemSummary& first = s.problems[0];
    EXPECT_EQ(first.label, "stage 1");
    EXPECT_TRUE(first.notes.empty()) << first.notes.front();
    EXPECT_DOUBLE_EQ(first.top_deflection.figure.value, 0.008704);
    EXPECT_EQ(first.top_deflection.printed, "0.870E-02");
    // The report prints 0.100E+01 at stations 2 and 3; the plot data tells them apart.
    EXPECT_EQ(first.moment.station, 3);
    EXPECT_EQ(DisplayText(first.moment.value.figure), "1.003");
    EXPECT_EQ(first.moment.value.printed, "0.100E+01");
    EXPECT_EQ(first.moment.depth.printed, "0.750E+00");
    EXPECT_DOUBLE_EQ(first.shear.value.figure.value, -3.001);
    EXPECT_DOUBLE_EQ(first.reaction.value.figure.value, 3.003);
    EXPECT_EQ(first.units.stiffness, "KN/M");
    EXPECT_TRUE(first.tiebacks.empty());
    EXPECT_EQ(DisplayText(first.wall_length.figure), "1");
    EXPECT_EQ(DisplayText(first.embedment.figure), "0.5");
    EXPECT_TRUE(first.embedment.figure.exact());

    // The tieback is the last spring row; the wall moved toward the backfill
    // there, so the anchor would be pushed: a negative force.
    const ProblemSummary& second = s.problems[1];
    ASSERT_EQ(second.tiebacks.size(), 1u);
    const TiebackForce& t = second.tiebacks[0];
    EXPECT_EQ(t.station, 1);
    EXPECT_EQ(DisplayText(t.depth.figure), "0.2500");
    EXPECT_EQ(t.stiffness.printed, "0.200E+04");
    EXPECT_DOUBLE_EQ(t.deflection.figure.value, -0.01004);
    EXPECT_EQ(DisplayText(t.force.figure), "-20.1");
}

TEST(SummarySources, WithoutAgreeingPlotDataTheReportDigitsAreSaid) {
    const std::string digits = "; the results have the report's three digits";
    Files stale;
    stale.plot = PlotBlock(2, kStage2Plot) + PlotBlock(2, kStage1Plot);
    Files short_block;
    short_block.plot =
        PlotBlock(2, kStage1Plot) +
        PlotBlock(2, std::vector<Fields>(kStage2Plot.begin(), kStage2Plot.end() - 1));
    Files one_block;
    one_block.plot = PlotBlock(2, kStage1Plot);
    Files cut;  // a run that stopped leaves its last block unfinished
    cut.plot = PlotBlock(2, kStage1Plot) + "3\n 0.0 1.0";
    Files none;
    none.with_plot = false;
    const struct {
        const Files& files;
        const char* note;
    } cases[] = {
        {stale, "the plot data does not match the report"},
        {short_block, "the plot data does not match the report"},
        {one_block, "the plot data holds no results of this problem"},
        {cut, "the plot data holds no results of this problem"},
        {none, "the plot data cannot be read"},
    };
    for (const auto& c : cases) {
        const ResultsSummary s = c.files.Summary();
        ASSERT_EQ(s.problems.size(), 2u) << c.note;
        const ProblemSummary& second = s.problems[1];
        EXPECT_EQ(second.notes, std::vector<std::string>{c.note + digits}) << c.note;
        EXPECT_EQ(second.moment.value.figure.value, 2.0) << c.note;
        EXPECT_EQ(DisplayText(second.tiebacks.at(0).force.figure), "-20.0") << c.note;
    }
}

TEST(SummarySources, TiebacksAndExactLengthsNeedTheProjectOfTheRun) {
    const std::string without =
        "; the wall's lengths have the report's three decimals and tieback forces are not given";
    Files changed;  // saved with a longer increment since the run
    changed.project =
        ProjectBlock("Wall", 0, kGrid) + ProjectBlock(" Stage No : 2", 1, "4 0.3\t1\t1E-6\t0.5\t1");
    Files unstaged;
    unstaged.project = ProjectBlock("Wall", 1, kGrid);
    Files none;
    none.with_project = false;
    Files two;  // two tiebacks, but the report's spring rows end with a range
    two.project = ProjectBlock("Wall", 0, kGrid) + ProjectBlock(" Stage No : 2", 2, kGrid);
    const struct {
        const Files& files;
        std::string note;
    } cases[] = {
        {changed, "the project file differs from the input of this run" + without},
        {unstaged, "the project file has no input block for this problem" + without},
        {none, "the project file cannot be read" + without},
        {two,
         "the report's spring rows do not end with the project's 2 tieback rows; tieback "
         "forces are not given"},
    };
    for (const auto& c : cases) {
        const ProblemSummary second = c.files.Summary().problems.at(1);
        EXPECT_EQ(second.notes, std::vector<std::string>{c.note}) << c.note;
        EXPECT_TRUE(second.tiebacks.empty()) << c.note;
        // From the echo, 4 × 0.250 has three digits.
        EXPECT_EQ(DisplayText(second.embedment.figure), &c.files == &two ? "0.5" : "0.50");
    }
}

TEST(SummarySources, AValueTooWideToPrintHasNoNumberAndSaysWhy) {
    Files f;
    std::vector<Fields> report = kStage1, plot = kStage1Plot;
    report[2][3] = "************";
    plot[2][3] = "*************";
    report[0][1] = "0.870+100";
    plot[0][1] = "0.8704+100";
    f.report = ReportOf({{1, {}, report}});
    f.plot = PlotBlock(1, plot);
    f.project = ProjectBlock("Wall", 0, kGrid);
    const ResultsSummary s = f.Summary();
    ASSERT_EQ(s.problems.size(), 1u);
    const ProblemSummary& p = s.problems[0];
    EXPECT_TRUE(p.notes.empty());
    EXPECT_DOUBLE_EQ(p.deflection.value.figure.value, 0.8704e100);
    EXPECT_EQ(p.shear.station, 2);
    EXPECT_FALSE(p.shear.value.figure.known());
    const std::string why =
        "the results hold no number at station 2 (a value that is not finite or too large to "
        "print)";
    EXPECT_EQ(p.shear.value.note, why);
    const std::string json = JsonOf(s);
    EXPECT_NE(json.find("\"largest_shear\": {\n"
                        "        \"value\": null,\n"
                        "        \"unit\": \"KN\",\n"
                        "        \"note\": \"" +
                        why +
                        "\",\n"
                        "        \"station\": 2,\n"
                        "        \"depth\": {\n"
                        "          \"value\": 0.5,\n"
                        "          \"unit\": \"M\"\n"
                        "        }\n"
                        "      },\n"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"value\": 8.704e+99"), std::string::npos) << json;
}

}  // namespace keldra::results
