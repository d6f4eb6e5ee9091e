// Runs of several problems: construction stages and short/long term.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_run.h"
#include "project_builder.h"

namespace keldra {

namespace {

using testing::EngineRun;
using testing::ProjectBuilder;

std::vector<std::string> Matching(const std::vector<std::string>& lines,
                                  const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    }
    return found;
}

// The trailer lines (three integers) of the plot-data file.
std::vector<std::string> Trailers(const testing::RunOutput& out) {
    std::vector<std::string> found;
    for (const std::string& line : out.plot_lines()) {
        int a = 0, b = 0, c = 0;
        char rest = 0;
        if (std::sscanf(line.c_str(), "%d %d %d %c", &a, &b, &c, &rest) == 3) found.push_back(line);
    }
    return found;
}

std::string Joined(const std::vector<ProjectBuilder>& problems) {
    std::string text;
    for (const ProjectBuilder& p : problems) text += p.Text();
    return text;
}

}  // namespace

TEST(MultiProblem, ThreeConstructionStages) {
    std::vector<ProjectBuilder> stages(3, testing::LoadedCantilever());
    for (int k = 0; k < 3; ++k) {
        stages[k].NSTG = 3;
        stages[k].closing = k + 1;
        if (k > 0) stages[k].title = " Stage No : " + std::to_string(k + 1);
    }
    stages[0].title = "Staged wall";
    EngineRun run;
    const auto out = run.Run(Joined(stages));
    const auto headers = Matching(out.report_lines(), "      Stage No :");
    ASSERT_EQ(headers.size(), 6u) << "preamble and analysis of each stage";
    EXPECT_EQ(headers[0], "      Stage No : 1  Staged wall" + std::string(59, ' '));
    EXPECT_EQ(headers[5], "      Stage No : 3  Staged wall" + std::string(59, ' '));
    EXPECT_EQ(Trailers(out), (std::vector<std::string>{"3 12 1", "3 12 1", "3 12 1"}));
    EXPECT_EQ(Matching(out.report_lines(), "     END OF ANALYSIS").size(), 1u);
}

TEST(MultiProblem, ShortTermThenLongTerm) {
    std::vector<ProjectBuilder> terms(2, testing::LoadedCantilever());
    terms[0].closing = 9;
    terms[1].loads = {"1\t0\t0\t2000\t0\t0"};
    EngineRun run;
    const auto out = run.Run(Joined(terms));
    const auto lines = out.report_lines();
    EXPECT_EQ(Matching(lines, "      Long Term :").size(), 2u);
    EXPECT_EQ(Matching(lines, "      Long Term :")[0],
              "      Long Term :  Small test wall" + std::string(55, ' '));
    EXPECT_EQ(Matching(lines, "     RESULTS -- ITERATION").size(), 2u);
    EXPECT_EQ(Trailers(out), (std::vector<std::string>{"2 12 1", "2 12 1"}));
}

TEST(MultiProblem, ContinuationEqualToTheStageCountEndsTheRun) {
    ProjectBuilder p = testing::LoadedCantilever();
    p.NSTG = 2;
    p.closing = 2;
    EngineRun run;
    // Anything after the last block is never read.
    const auto out = run.Run(p.Text() + "not a project\r\n");
    EXPECT_EQ(Trailers(out), (std::vector<std::string>{"1 12 1"}));
    EXPECT_EQ(out.report_lines().back(), "     END OF ANALYSIS                             ");
}

TEST(MultiProblem, StopInALaterProblemKeepsTheEarlierResults) {
    std::vector<ProjectBuilder> stages(2, testing::LoadedCantilever());
    stages[0].NSTG = stages[1].NSTG = 2;
    stages[0].closing = 1;
    stages[1].closing = 2;
    stages[1].stiffness = {"5\t0\t1\t1E9"};
    EngineRun run;
    const auto out = run.Run(Joined(stages));
    EXPECT_EQ(Trailers(out), (std::vector<std::string>{"2 12 1", "2 12 1"}));
    EXPECT_NE(
        out.report.find("     ERROR STOP -- STATIONS NOT IN ORDER\n\n\n\n     END OF ANALYSIS"),
        std::string::npos);
}

}  // namespace keldra
