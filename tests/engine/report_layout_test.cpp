// The report, plot-data and run-notes files of a small project, line for
// line: the layouts are contracts with the engineer and the desktop program.
// The project (tests/engine/data/small_wall.kd5d) has specified deflections
// and slopes, a linear EI range, loads with a couple and an axial load, a
// load row that starts a range nobody ends, a spring range, a tieback, a user
// earth-pressure table and two user p-y curves, one of two points.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_run.h"
#include "project_builder.h"

namespace keldra {

namespace {

const std::string kData = KELDRA_SOURCE_DIR "/tests/engine/data/";

void ExpectSameLines(const std::string& actual, const std::string& expected, const char* file) {
    const auto a = testing::Lines(actual), e = testing::Lines(expected);
    for (std::size_t k = 0; k < std::min(a.size(), e.size()); ++k) {
        ASSERT_EQ(a[k], e[k]) << file << " line " << k + 1;
    }
    EXPECT_EQ(a.size(), e.size()) << file;
}

}  // namespace

TEST(ReportLayout, SmallProjectLineForLine) {
    testing::EngineRun run;
    const auto out = run.Run(testing::ReadFile(kData + "small_wall.kd5d"));
    ExpectSameLines(testing::MaskedReport(out.report), testing::ReadFile(kData + "small_wall.kd5o"),
                    "report");
    ExpectSameLines(out.plot, testing::ReadFile(kData + "small_wall.kd5p"), "plot data");
    ExpectSameLines(out.notes, testing::ReadFile(kData + "small_wall.kd5r"), "run notes");
    EXPECT_EQ(out.report.find('\r'), std::string::npos) << "LF line ends";
    EXPECT_EQ(out.outputs, RunOutputs::kComplete);
}

TEST(ReportLayout, PlotBlockWithoutPressureOrCurves) {
    testing::ProjectBuilder p;
    p.loads = {"1\t0\t0\t1000\t0\t0"};
    p.springs = {"0\t10\t1\t5000\t0"};
    p.KPYOP = 1;  // the user-curve option on without curves counts as none
    testing::EngineRun run;
    const auto plot = run.Run(p.Text()).plot_lines();
    ASSERT_EQ(plot.size(), 3u + 12u);
    EXPECT_EQ(plot[0], "0");
    EXPECT_EQ(plot[1], "1 0");
    EXPECT_EQ(plot[2], "1 12 1");
    EXPECT_EQ(plot[3].substr(0, 14), "    0.0000E+00");
    EXPECT_EQ(plot[14].substr(0, 14), "    0.1320E+03") << "station NINC + 1";
}

TEST(ReportLayout, GenericUnitsKeepThePreviousLabels) {
    std::vector<testing::ProjectBuilder> problems(2, testing::LoadedCantilever());
    problems[0].KUNIT = 3;
    problems[0].closing = 9;
    problems[1].KUNIT = 2;
    testing::EngineRun run;
    const auto lines = run.Run(problems[0].Text() + problems[1].Text()).report_lines();
    std::vector<std::string> lengths;
    for (const std::string& line : lines) {
        if (line.rfind("      INCREMENT LENGTH", 0) == 0)
            lengths.push_back(line.substr(line.size() - 3));
    }
    EXPECT_EQ(lengths, (std::vector<std::string>{"  L", "  M"}));
}

TEST(ReportLayout, SiUnitLines) {
    std::string project = testing::ReadFile(kData + "small_wall.kd5d");
    project[0] = 'S';  // keep the layout, change the title's first letter only
    const std::size_t control = project.find("\r\n1 2\t");  // KUNIT 1 becomes 2
    ASSERT_NE(control, std::string::npos);
    project[control + 2] = '2';
    testing::EngineRun run;
    const auto lines = run.Run(project).report_lines();
    const auto results = testing::LinesFrom(lines, "   STA I      X");
    ASSERT_GE(results.size(), 2u);
    EXPECT_EQ(results[1],
              "              M           M                    KN- M         KN          KN        "
              "KN- M**2");
    EXPECT_EQ(testing::LinesFrom(lines, "      INCREMENT LENGTH")[0],
              "      INCREMENT LENGTH                                   =  12.000  M");
}

}  // namespace keldra
