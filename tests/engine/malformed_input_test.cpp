// Damaged project files: every truncation, every line replaced by text and
// every value replaced by an extreme one ends the run in order. Run under the
// sanitizers, this also shows that nothing is read or written out of bounds.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine_run.h"
#include "project_builder.h"

namespace keldra {

namespace {

using testing::EngineRun;

// A project that passes through every input group the engine reads itself.
std::vector<std::string> FullProject() {
    testing::ProjectBuilder p = testing::LoadedCantilever();
    p.specified = {"1\t10\t0\t0"};
    p.stiffness = {"0\t0\t2\t1E9", "10\t10\t1\t2E9"};
    p.loads = {"1\t0\t0\t1000\t500\t100", "2\t2\t2\t10\t0\t0", "1\t4\t4\t20\t0\t0"};
    p.springs = {"8\t10\t1\t100\t10"};
    p.tiebacks = {"2\t1\t29E6\t20\t10\t8"};
    p.pymod = {"60\t1\t1"};
    p.KOUTPT = 1;
    p.pressure = {"0\t0", "60\t5"};
    p.moment_ei = {{"2\t8\t3", "0\t1E9", "1E5\t1E9", "1E7\t5E8"}};
    return p.Lines();
}

bool EndsInOrder(const testing::RunOutput& out) {
    const auto lines = out.report_lines();
    return !lines.empty() && lines.back() == "     END OF ANALYSIS                             " &&
           !out.plot_lines().empty();
}

std::vector<std::string> Tokens(const std::string& line) {
    std::vector<std::string> tokens;
    std::stringstream in(line);
    for (std::string token; in >> token;) tokens.push_back(token);
    return tokens;
}

}  // namespace

TEST(MalformedInput, FullProjectRunsToTheEnd) {
    EngineRun run;
    const auto out = run.Run(testing::Crlf(FullProject()));
    EXPECT_TRUE(EndsInOrder(out));
    EXPECT_NE(out.report.find("     RESULTS -- ITERATION"), std::string::npos) << out.report;
}

TEST(MalformedInput, EveryTruncationEndsInOrder) {
    const auto lines = FullProject();
    EngineRun run;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::vector<std::string> head(lines.begin(), lines.begin() + static_cast<long>(n));
        std::string text = testing::Crlf(head);
        // Also cut inside the line that follows.
        for (const std::string& cut : {std::string(), lines[n].substr(0, lines[n].size() / 2)}) {
            const auto out = run.Run(text + cut);
            EXPECT_TRUE(EndsInOrder(out)) << "cut at line " << n + 1;
            if (n + 1 < lines.size()) {  // only the continuation code follows the results
                EXPECT_EQ(out.report.find("RESULTS"), std::string::npos) << "cut at line " << n + 1;
            }
        }
    }
}

TEST(MalformedInput, EveryLineReplacedByTextEndsInOrder) {
    const auto lines = FullProject();
    EngineRun run;
    for (std::size_t n = 1; n < lines.size(); ++n) {  // line 1 is the title: any text
        auto damaged = lines;
        damaged[n] = "not a number";
        EXPECT_TRUE(EndsInOrder(run.Run(testing::Crlf(damaged)))) << "line " << n + 1;
    }
}

TEST(MalformedInput, ExtremeValuesEndInOrder) {
    const auto lines = FullProject();
    EngineRun run;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        const auto tokens = Tokens(lines[n]);
        for (std::size_t t = 0; t < tokens.size(); ++t) {
            for (const char* value : {"99999", "-7", "0", "1E300", "2147483647"}) {
                auto changed = tokens;
                changed[t] = value;
                std::string line;
                for (const std::string& token : changed) line += token + "\t";
                auto damaged = lines;
                damaged[n] = line;
                EXPECT_TRUE(EndsInOrder(run.Run(testing::Crlf(damaged))))
                    << "line " << n + 1 << " value " << t + 1 << " = " << value;
            }
        }
    }
}

}  // namespace keldra
