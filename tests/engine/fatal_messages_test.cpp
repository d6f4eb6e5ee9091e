// Every input error ends the run in order: the message in the report, no
// results, END OF ANALYSIS, and the plot-data trailer with no result rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "engine_run.h"
#include "project_builder.h"

namespace keldra {

namespace {

using testing::EngineRun;
using testing::ProjectBuilder;

const std::string kTooMuchData = "     TOO MUCH DATA FOR AVAILABLE STORAGE";
const std::string kNotInOrder = "     ERROR STOP -- STATIONS NOT IN ORDER";
const std::string kBeyondEnd = "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END";

struct Case {
    const char* name;
    std::function<void(ProjectBuilder&)> change;
    std::string message;  // a line of the report
};

std::vector<std::string> Points(int n) {
    std::vector<std::string> rows = {"5\t" + std::to_string(n) + "\t1\t1"};
    for (int m = 0; m < n; ++m) rows.push_back(std::to_string(m) + "\t" + std::to_string(-m));
    return rows;
}

void ExpectOrderlyEnd(const testing::RunOutput& out, const std::string& message, const char* name) {
    const auto report = out.report_lines();
    ASSERT_GE(report.size(), 4u) << name;
    EXPECT_NE(std::find(report.begin(), report.end(), message), report.end()) << name << "\n"
                                                                              << out.report;
    EXPECT_EQ(report.back(), "     END OF ANALYSIS                             ") << name;
    EXPECT_EQ(out.report.find("RESULTS -- ITERATION"), std::string::npos) << name;
    const auto plot = out.plot_lines();
    ASSERT_FALSE(plot.empty()) << name;
    EXPECT_EQ(plot.back().substr(0, 4), "1 0 ") << name;
}

}  // namespace

TEST(FatalMessages, EachInputErrorEndsTheRunInOrder) {
    const Case cases[] = {
        {"NDS > 20", [](ProjectBuilder& p) { p.NDS = 21; }, kTooMuchData},
        {"NINC > 407", [](ProjectBuilder& p) { p.NINC = 408; },
         "     THE WALL HAS MORE THAN 407 INCREMENTS"},
        {"no increments", [](ProjectBuilder& p) { p.NINC = 0; },
         "     ERROR -- THE WALL NEEDS AT LEAST ONE INCREMENT OF POSITIVE LENGTH"},
        {"specified rows out of order",
         [](ProjectBuilder& p) {
             p.specified = {"1\t6\t0\t0", "1\t4\t0\t0"};
         },
         kNotInOrder},
        {"specified rows overlapping",
         [](ProjectBuilder& p) {
             p.specified = {"2\t5\t0\t0", "1\t6\t0\t0"};
         },
         "     ERROR -- SPECIFIED DEFLECTIONS AND SLOPES AT NEIGHBOURING STATIONS OVERLAP"},
        {"specified row outside the wall", [](ProjectBuilder& p) { p.specified = {"1\t11\t0\t0"}; },
         "     ERROR -- SPECIFIED DEFLECTION OR SLOPE AT A STATION OUTSIDE THE WALL"},
        {"range ends before it starts", [](ProjectBuilder& p) { p.stiffness = {"10\t0\t1\t1E9"}; },
         kNotInOrder},
        {"CONTD 3", [](ProjectBuilder& p) { p.stiffness = {"0\t10\t3\t1E9"}; },
         "     ERROR -- CONTINUATION CHOICE (CONTD) OTHER THAN 1 OR 2"},
        {"no stiffness rows", [](ProjectBuilder& p) { p.stiffness.clear(); },
         "     ERROR -- AT LEAST ONE ROW OF WALL STIFFNESS DATA IS NEEDED"},
        {"stiffness beyond the tip", [](ProjectBuilder& p) { p.stiffness = {"0\t11\t1\t1E9"}; },
         kBeyondEnd},
        {"station outside the storage", [](ProjectBuilder& p) { p.springs = {"0\t14\t1\t1\t0"}; },
         "     ERROR -- STATION OUTSIDE THE WALL GRID IN STIFFNESS, LOAD OR SPRING DATA"},
        {"pressure table past the tip",
         [](ProjectBuilder& p) {
             p.KOUTPT = 1;
             p.pressure = {"0\t0", "126\t10"};  // half an increment below the tip
         },
         kBeyondEnd},
        {"more than 2000 pressure points",
         [](ProjectBuilder& p) {
             p.KOUTPT = 1;
             p.pressure_count = 2001;
         },
         kTooMuchData},
        {"more than 50 modification rows", [](ProjectBuilder& p) { p.NPYMOD = 51; }, kTooMuchData},
        {"more than 63 user curves", [](ProjectBuilder& p) { p.NUPY = 64; }, kTooMuchData},
        {"curve of one point", [](ProjectBuilder& p) { p.curves = {Points(1)}; },
         "     ERROR -- A USER P-Y CURVE NEEDS 2 TO 34 POINTS"},
        {"curve of 35 points", [](ProjectBuilder& p) { p.curves = {Points(35)}; },
         "     ERROR -- A USER P-Y CURVE NEEDS 2 TO 34 POINTS"},
        {"curve with decreasing y",
         [](ProjectBuilder& p) {
             p.curves = {{"5\t3\t1\t1", "0\t0", "2\t-1", "1\t-2"}};
         },
         "     ERROR -- DEFLECTIONS OF A USER P-Y CURVE MUST NOT DECREASE"},
        {"joined curves out of order",
         [](ProjectBuilder& p) {
             p.curves = {{"10\t2\t1\t1", "-1\t1", "1\t-1"}, {"6\t2\t1\t1", "-1\t1", "1\t-1"}};
         },
         kNotInOrder},
        {"more than 20 moment-EI sets", [](ProjectBuilder& p) { p.NMEI = 21; }, kTooMuchData},
        {"moment-EI set of 101 points", [](ProjectBuilder& p) { p.moment_ei = {{"0\t10\t101"}}; },
         kTooMuchData},
        {"moment-EI set outside the wall",
         [](ProjectBuilder& p) {
             p.moment_ei = {{"0\t11\t2", "0\t1", "1\t1"}};
         },
         "     ERROR -- MOMENT-EI SET OUTSIDE THE STATIONS OF THE WALL"},
        {"more than 50 couples", [](ProjectBuilder& p) { p.loads.assign(51, "1\t1\t1\t0\t5\t0"); },
         "     MORE THAN 50 LOAD ROWS WITH A COUPLE"},
        {"tieback without spacing",
         [](ProjectBuilder& p) { p.tiebacks = {"2\t1\t29E6\t20\t0\t0"}; },
         "     ERROR -- TIEBACK SPACING, UNBONDED LENGTH AND WALL WIDTH MUST BE POSITIVE"},
        {"negative count", [](ProjectBuilder& p) { p.NDS = -2; },
         "     ERROR -- NEGATIVE ROW COUNT IN THE INPUT DATA FILE"},
        {"not a number", [](ProjectBuilder& p) { p.grid_rest = "12\tten\t1E-5\t60\t12"; },
         "     ERROR -- VALUE IN LINE 3 OF THE INPUT DATA FILE IS NOT A NUMBER OF THE KIND "
         "EXPECTED"},
        {"integer with a point", [](ProjectBuilder& p) { p.stiffness = {"0\t10.0\t1\t1E9"}; },
         "     ERROR -- VALUE IN LINE 4 OF THE INPUT DATA FILE IS NOT A NUMBER OF THE KIND "
         "EXPECTED"},
    };
    EngineRun run;
    for (const Case& c : cases) {
        ProjectBuilder p = testing::LoadedCantilever();
        c.change(p);
        ExpectOrderlyEnd(run.Run(p.Text()), c.message, c.name);
    }
}

TEST(FatalMessages, EarlyEndOfTheFileNamesTheLine) {
    auto lines = testing::LoadedCantilever().Lines();
    lines.resize(5);  // title, control, grid, stiffness, load count
    EngineRun run;
    ExpectOrderlyEnd(run.Run(testing::Crlf(lines)),
                     "     ERROR -- THE INPUT DATA FILE ENDS EARLY, AT LINE 6", "truncated");
}

TEST(FatalMessages, MissingProjectFile) {
    EngineRun run;
    run.WriteNames();
    ExpectOrderlyEnd(run.RunInDirectory(), "     ERROR -- CANNOT OPEN THE INPUT DATA FILE",
                     "missing");
}

TEST(FatalMessages, AScratchFileThatCannotBeWrittenEndsTheRunInOrder) {
    struct Case {
        const char* file;
        bool full;  // the file leads to a full device; otherwise a directory takes its name
    };
    const Case cases[] = {{"debug.dat", false},
                          {"TORVAL.001", false},
                          {"TORVAL.001", true},
                          {"SOILDATA", false},
                          {"SOILDATA", true}};
    for (const Case& c : cases) {
        EngineRun run;
        const std::filesystem::path scratch = run.dir() / c.file;
        if (c.full) {
            std::filesystem::create_symlink("/dev/full", scratch);
        } else {
            std::filesystem::create_directory(scratch);
        }
        const auto out = run.Run(testing::LayeredWall().Text());
        const std::string name =
            std::string(c.file) + (c.full ? " on a full device" : " a directory");
        ExpectOrderlyEnd(
            out,
            "     ERROR STOP -- THE SCRATCH FILE " + std::string(c.file) + " CANNOT BE WRITTEN",
            name.c_str());
        EXPECT_EQ(out.outputs, RunOutputs::kComplete) << name;
    }
}

}  // namespace keldra
