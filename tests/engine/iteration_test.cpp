// Iteration counts, closure and the messages of the results section.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/state.h"
#include "engine_run.h"
#include "project_builder.h"

namespace keldra {

namespace {

using testing::EngineRun;
using testing::ProjectBuilder;

// A wall on linear springs loaded at its top: linear, so iteration 1 finds
// the solution and iteration 2 confirms it.
ProjectBuilder LinearWall() {
    ProjectBuilder p;
    p.loads = {"1\t0\t0\t1000\t0\t0"};
    p.springs = {"0\t10\t1\t5000\t0"};
    return p;
}

std::string ResultsHeading(const testing::RunOutput& out) {
    for (const std::string& line : out.report_lines()) {
        if (line.rfind("     RESULTS -- ITERATION", 0) == 0) return line;
    }
    return {};
}

bool HasLine(const testing::RunOutput& out, const std::string& text) {
    const auto lines = out.report_lines();
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

int MonitorLines(const testing::RunOutput& out) {
    const auto lines = testing::LinesFrom(out.notes_lines(), "     ----------------------");
    return lines.empty() ? 0 : static_cast<int>(lines.size()) - 1;
}

const std::string kNotClosed = "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****";
const std::string kOffCurves = "     ***** DEFLECTION OFF Q - W CURVES *****";
const std::string kNonFinite =
    "     ***** SOLUTION NOT CLOSED -- NON-FINITE DEFLECTION, MOMENT, SHEAR OR SOIL REACTION *****";

}  // namespace

TEST(Iteration, LinearProblemClosesInIterationTwo) {
    EngineRun run;
    const auto out = run.Run(LinearWall().Text());
    EXPECT_EQ(ResultsHeading(out), "     RESULTS -- ITERATION  2");
    EXPECT_EQ(MonitorLines(out), 2);
    EXPECT_FALSE(HasLine(out, kNotClosed));
    const auto notes = out.notes_lines();
    ASSERT_GE(notes.size(), 7u);
    EXPECT_EQ(notes[0], "");
    EXPECT_EQ(notes[3], "     ITERATION MONITOR DATA");
    EXPECT_EQ(notes[6].substr(0, 27), "      2       NO          0");
}

TEST(Iteration, ToleranceAboveEveryDeflectionStopsAfterIterationOne) {
    ProjectBuilder p = LinearWall();
    p.grid_rest = "12\t10\t1000\t60\t12";
    EngineRun run;
    const auto out = run.Run(p.Text());
    EXPECT_EQ(ResultsHeading(out), "     RESULTS -- ITERATION  1");
    EXPECT_EQ(MonitorLines(out), 1);
}

TEST(Iteration, NeverClosingRunsOneHundredIterations) {
    ProjectBuilder p = LinearWall();
    p.grid_rest = "12\t10\t-1\t60\t12";  // every station counts as moved
    EngineRun run;
    const auto out = run.Run(p.Text());
    EXPECT_EQ(ResultsHeading(out), "     RESULTS -- ITERATION100");
    EXPECT_EQ(MonitorLines(out), 100);
    EXPECT_TRUE(HasLine(out, kNotClosed));
}

TEST(Iteration, AllowableDeflectionExceededStopsAtOnce) {
    EngineRun run;
    (void)run.Run(LinearWall().Text());
    double w[11];
    for (int i = 0; i <= 10; ++i) w[i] = std::fabs(Engine().sta.W[i + kStationOffset]);
    std::sort(w, w + 11, std::greater<>());
    ProjectBuilder p = LinearWall();
    p.grid_rest = "12\t" + std::to_string((w[2] + w[3]) / 2) + "\t1E-5\t60\t12";
    const auto out = run.Run(p.Text());
    EXPECT_EQ(ResultsHeading(out), "     RESULTS -- ITERATION  1");
    EXPECT_TRUE(HasLine(
        out, "     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***   3  *** STATIONS *****"));
}

TEST(Iteration, CurvesOfTwoPointsAlwaysLeaveTheCurve) {
    ProjectBuilder p = testing::LoadedCantilever();
    p.curves[1] = {"10\t2\t1\t1", "-10\t20000", "10\t-20000"};
    EngineRun run;
    const auto out = run.Run(p.Text());
    EXPECT_TRUE(HasLine(out, kOffCurves));
    const auto notes = testing::LinesFrom(out.notes_lines(), "     ----------------------");
    ASSERT_GE(notes.size(), 2u);
    EXPECT_EQ(notes[1].substr(0, 17), "      1       YES");
}

TEST(Iteration, DeflectionBeyondTheCurvesIsFlagged) {
    ProjectBuilder p = testing::LoadedCantilever();
    p.loads = {"1\t0\t0\t1E6\t0\t0"};
    p.grid_rest = "12\t1E6\t1E-5\t60\t12";
    EngineRun run;
    const auto out = run.Run(p.Text());
    EXPECT_TRUE(HasLine(out, kOffCurves));
    ProjectBuilder small = testing::LoadedCantilever();
    EXPECT_FALSE(HasLine(run.Run(small.Text()), kOffCurves));
}

TEST(Iteration, MomentEiSetsIterateUntilTheStiffnessSettles) {
    // EI falls from 1E9 to 2E8 as the moment grows past 100.
    ProjectBuilder p = LinearWall();
    p.moment_ei = {{"0\t10\t3", "0\t1E9", "1E2\t1E9", "1E6\t2E8"}};
    EngineRun run;
    const auto out = run.Run(p.Text());
    const std::string heading = ResultsHeading(out);
    EXPECT_GT(std::stoi(heading.substr(25)), 2) << heading;
    EXPECT_FALSE(HasLine(out, kNotClosed));
    double lowest = 1e9;
    for (int i = 1; i <= 9; ++i) lowest = std::min(lowest, Engine().sta.F[i + kStationOffset]);
    EXPECT_LT(lowest, 1e9);
    EXPECT_GE(lowest, 2e8);
}

TEST(Iteration, NonFiniteResultsAreNotClosed) {
    struct Case {
        const char* name;
        ProjectBuilder project;
    };
    ProjectBuilder stiff = LinearWall();
    stiff.stiffness = {"0\t10\t1\t1E308"};
    ProjectBuilder long_increments = LinearWall();
    long_increments.grid_rest = "1E300\t10\t1E-5\t60\t12";
    ProjectBuilder strong_curve = testing::LoadedCantilever();
    strong_curve.curves[0][0] = "5\t3\t1E308\t1";
    const Case cases[] = {
        {"EI 1E308", stiff}, {"H 1E300", long_increments}, {"p-multiplier 1E308", strong_curve}};
    EngineRun run;
    for (const Case& c : cases) {
        const auto out = run.Run(c.project.Text());
        const auto results = testing::LinesFrom(out.report_lines(), "     RESULTS -- ITERATION");
        const auto columns = std::find(results.begin(), results.end(),
                                       "   STA I      X         DEFL.       SLOPE"
                                       "      MOMENT      SHEAR    NET REACT/STA    EI ");
        EXPECT_NE(std::find(results.begin(), columns, kNonFinite), columns) << c.name << "\n"
                                                                            << out.report;
        // The iterations end with the first one whose deflections are not finite.
        const int iterations = MonitorLines(out);
        EXPECT_LT(iterations, 100) << c.name;
        EXPECT_EQ(std::stoi(ResultsHeading(out).substr(25)), iterations) << c.name;
        EXPECT_EQ(out.report_lines().back(), "     END OF ANALYSIS                             ")
            << c.name;
    }
}

TEST(Iteration, AStageAfterANonFiniteStageIsAnalysed) {
    ProjectBuilder first = LinearWall();
    first.stiffness = {"0\t10\t1\t1E308"};
    ProjectBuilder second = LinearWall();
    second.title = " Stage No : 2";
    for (ProjectBuilder* stage : {&first, &second}) stage->NSTG = 2;
    first.closing = 1;
    second.closing = 2;
    EngineRun run;
    const auto out = run.Run(first.Text() + second.Text());
    const auto second_results = testing::LinesFrom(
        testing::LinesFrom(out.report_lines(), "      Stage No : 2"), "     RESULTS -- ITERATION");
    ASSERT_FALSE(second_results.empty()) << out.report;
    EXPECT_EQ(second_results[0], "     RESULTS -- ITERATION  2");
    const auto report = out.report_lines();
    EXPECT_EQ(std::count(report.begin(), report.end(), kNonFinite), 1);
}

}  // namespace keldra
