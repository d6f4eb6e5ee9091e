// The summary of every example project, run through keldra-run, against the
// report's results table as read here on its own: the largest values of the
// summary are those of the table to the digits it prints.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/results/results_summary.h"
#include "tests/scratch_folder.h"

namespace keldra::results {

namespace {

namespace fs = std::filesystem;

// A number of the report with the half unit of its last printed digit.
struct Printed {
    double value = 0.0;
    double half_unit = 0.0;
    std::string text;
};

Printed PrintedOf(const std::string& text) {
    const std::size_t e = text.find('E');
    const std::size_t point = text.find('.');
    const int digits = static_cast<int>(e - point - 1);
    return {std::strtod(text.c_str(), nullptr),
            0.5 * std::pow(10.0, std::atoi(text.c_str() + e + 1) - digits), text};
}

// One results table: per station its depth, deflection, moment, shear and
// net reaction, as the words of its station lines.
using Table = std::vector<std::vector<Printed>>;

// Every results table of a report, found by its heading and read word by word.
std::vector<Table> TablesOf(const fs::path& report) {
    std::ifstream in(report);
    std::vector<Table> tables;
    bool in_rows = false;
    for (std::string line; std::getline(in, line);) {
        if (line.find("RESULTS -- ITERATION") != std::string::npos) tables.emplace_back();
        if (line.rfind("   ------", 0) == 0 && !tables.empty()) {
            in_rows = true;
            continue;
        }
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (!in_rows || w.size() != 8 ||
            w[0].find_first_not_of("0123456789") != std::string::npos) {
            in_rows = false;
            continue;
        }
        tables.back().push_back(
            {PrintedOf(w[1]), PrintedOf(w[2]), PrintedOf(w[4]), PrintedOf(w[5]), PrintedOf(w[6])});
    }
    return tables;
}

// The report's stiffness echo value S' of the single-station row at `station`.
double EchoedStiffness(const fs::path& report, int station, std::size_t problem) {
    std::ifstream in(report);
    std::size_t problems = 0;
    double stiffness = 0.0;
    for (std::string line; std::getline(in, line);) {
        if (line.find("RESULTS -- ITERATION") != std::string::npos && ++problems > problem) break;
        std::istringstream words(line);
        int from = -1, to = -1, contd = -1;
        double ei = 0, q = 0, s = 0;
        if (words >> from >> to >> contd >> ei >> q >> s && from == station && to == station)
            stiffness = s;
    }
    return stiffness;
}

void ExpectWithinPrinted(const Quantity& summary, const Printed& report, const std::string& what) {
    EXPECT_LE(std::fabs(summary.figure.value - report.value), report.half_unit * 1.000001)
        << what << ": summary " << summary.figure.value << ", report " << report.text;
}

class ExamplesSummary : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = keldra::testing::MakeScratchFolder("keldra-examples");
        ASSERT_FALSE(folder_.empty());
        std::string command = std::string(KELDRA_BIN_DIR) + "/keldra-run --jobs 2";
        for (const auto& entry : fs::directory_iterator(fs::path(KELDRA_SOURCE_DIR) / "examples")) {
            if (entry.path().extension() != ".kd5d") continue;
            fs::copy_file(entry.path(), folder_ / entry.path().filename());
            projects_.push_back(folder_ / entry.path().filename());
            command += " '" + projects_.back().string() + "'";
        }
        const int status = std::system((command + " >/dev/null 2>&1").c_str());
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    }
    static void TearDownTestSuite() { fs::remove_all(folder_); }

    static fs::path folder_;
    static std::vector<fs::path> projects_;
};

fs::path ExamplesSummary::folder_;
std::vector<fs::path> ExamplesSummary::projects_;

}  // namespace

TEST_F(ExamplesSummary, LargestValuesAreThoseOfTheReportsTable) {
    ASSERT_FALSE(projects_.empty());
    for (const fs::path& project : projects_) {
        SCOPED_TRACE(project.filename().string());
        fs::path report = project, plot = project;
        report.replace_extension(".kd5o");
        plot.replace_extension(".kd5p");
        const ResultsSummary summary =
            SummariseFiles({report.string(), plot.string(), project.string()});
        const std::vector<Table> tables = TablesOf(report);
        ASSERT_EQ(summary.problems.size(), tables.size());
        EXPECT_TRUE(summary.ended);
        EXPECT_TRUE(summary.stop.empty());
        for (std::size_t k = 0; k < tables.size(); ++k) {
            const ProblemSummary& p = summary.problems[k];
            const Table& table = tables[k];
            SCOPED_TRACE(p.label);
            // The plot data agrees with the report and the project is the run's.
            EXPECT_TRUE(p.notes.empty()) << p.notes.front();
            ASSERT_EQ(static_cast<int>(table.size()), p.increments + 1);
            ExpectWithinPrinted(p.top_deflection, table[0][1], "top deflection");
            const std::pair<const Extreme*, int> extremes[] = {
                {&p.deflection, 1}, {&p.moment, 2}, {&p.shear, 3}, {&p.reaction, 4}};
            for (const auto& [extreme, column] : extremes) {
                const Printed* largest = &table[0][column];
                for (const auto& station : table)
                    if (std::fabs(station[column].value) > std::fabs(largest->value))
                        largest = &station[column];
                ExpectWithinPrinted(extreme->value, *largest,
                                    "largest of column " + std::to_string(column));
                // Where the report prints that largest value.
                ASSERT_GE(extreme->station, 0);
                const auto& at = table[extreme->station];
                EXPECT_EQ(std::fabs(at[column].value), std::fabs(largest->value));
                ExpectWithinPrinted(extreme->depth, at[0], "depth");
            }
            // The wall below the excavation: the tip's depth less the free height.
            const double tip = table.back()[0].value;
            EXPECT_NEAR(p.wall_length.figure.value, tip, table.back()[0].half_unit);
            EXPECT_GT(p.embedment.figure.value, 0.0);
            EXPECT_LT(p.embedment.figure.value, p.wall_length.figure.value);
            // The examples' anchors hold walls leaning toward the excavation: all in tension.
            for (const TiebackForce& t : p.tiebacks) {
                const double s = EchoedStiffness(report, t.station, k);
                const Printed& w = table.at(t.station)[1];
                EXPECT_GT(t.force.figure.value, 0.0);
                EXPECT_NEAR(t.force.figure.value, s * w.value,
                            s * w.half_unit * 1.01 + 0.006 * s * w.value);
            }
        }
    }
}

TEST_F(ExamplesSummary, AnchoredExamplesHaveTheirTiebacks) {
    const struct {
        const char* project;
        std::vector<std::size_t> tiebacks;  // per problem
    } cases[] = {
        {"tieback_specified_deflection.kd5d", {1}}, {"two_stage.kd5d", {0, 1}},
        {"anchored_silt_strong_rock.kd5d", {1}},    {"anchored_generated_trapezoid_si.kd5d", {1}},
        {"short_long_term.kd5d", {0, 0}},
    };
    for (const auto& c : cases) {
        const fs::path project = folder_ / c.project;
        fs::path report = project, plot = project;
        report.replace_extension(".kd5o");
        plot.replace_extension(".kd5p");
        const ResultsSummary summary =
            SummariseFiles({report.string(), plot.string(), project.string()});
        std::vector<std::size_t> tiebacks;
        for (const ProblemSummary& p : summary.problems) tiebacks.push_back(p.tiebacks.size());
        EXPECT_EQ(tiebacks, c.tiebacks) << c.project;
    }
}

}  // namespace keldra::results
