// keldra-report as a user calls it: the pages of the PDF it writes, read back with poppler's
// pdfinfo and pdftotext, and its exit status.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/results/results_summary.h"
#include "app/results/summary_table.h"
#include "tests/whole_files.h"

namespace {

namespace fs = std::filesystem;
using keldra::testing::ReadFile;

const fs::path kExamples = fs::path(KELDRA_SOURCE_DIR) / "examples";

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct Outcome {
    int status;
    std::string out, err;
};

// The lines of `text` that hold `word`.
std::vector<std::string> LinesWith(const std::string& text, const std::string& word) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.find(word) != std::string::npos) lines.push_back(line);
    return lines;
}

std::vector<std::string> Pages(const std::string& text) {
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\f', start)) != std::string::npos; start = end + 1)
        pages.push_back(text.substr(start, end - start));
    return pages;
}

class KeldraReport : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "keldra-report-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path copy(const std::string& example) const {
        const fs::path to = dir_ / example;
        fs::copy_file(kExamples / example, to);
        return to;
    }

    // The sand example with some of its lines (CR LF ended, counted from 0) replaced.
    fs::path sandWith(const std::string& name,
                      const std::vector<std::pair<int, std::string>>& lines) const {
        std::vector<std::string> text;
        std::istringstream in(ReadFile(kExamples / "sand_generated.kd5d"));
        for (std::string line; std::getline(in, line);) text.push_back(line);
        for (const auto& [index, line] : lines) text[std::size_t(index)] = line + "\r";
        std::ofstream out(dir_ / name, std::ios::binary);
        for (const std::string& line : text) out << line << '\n';
        return dir_ / name;
    }

    // Runs a command line through the shell with its output in files of the work folder.
    Outcome shell(const std::string& command) const {
        const fs::path out = dir_ / "stdout.txt", err = dir_ / "stderr.txt";
        const int status =
            std::system((command + " >" + Quoted(out) + " 2>" + Quoted(err)).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    }

    // `environment`: assignments put before the command ("LC_ALL=C ").
    Outcome report(const std::vector<std::string>& arguments,
                   const std::string& environment = "") const {
        std::string command = environment + Quoted(std::string(KELDRA_BIN_DIR) + "/keldra-report");
        for (const std::string& a : arguments) {
            command += ' ';
            command += Quoted(a);
        }
        return shell(command);
    }

    int pageCount(const fs::path& pdf) const {
        const Outcome info = shell("pdfinfo " + Quoted(pdf));
        EXPECT_EQ(info.status, 0) << "pdfinfo (poppler-utils) is needed: " << info.err;
        std::smatch match;
        const std::regex pages("Pages:\\s+([0-9]+)");
        return std::regex_search(info.out, match, pages) ? std::stoi(match[1]) : 0;
    }

    std::string text(const fs::path& pdf) const {
        const Outcome text = shell("pdftotext -layout " + Quoted(pdf) + " -");
        EXPECT_EQ(text.status, 0) << "pdftotext (poppler-utils) is needed: " << text.err;
        return text.out;
    }

    fs::path dir_;
};

// Every page carries the header and its footer; the sections follow in order.
void ExpectPagesFramed(const std::vector<std::string>& pages, const std::string& title,
                       const std::string& file) {
    const std::string total = std::to_string(pages.size());
    for (std::size_t k = 0; k < pages.size(); ++k) {
        SCOPED_TRACE("page " + std::to_string(k + 1));
        EXPECT_NE(pages[k].find(title), std::string::npos);
        EXPECT_NE(pages[k].find(file), std::string::npos);
        EXPECT_NE(pages[k].find("KELDRA 2015"), std::string::npos);
        EXPECT_NE(pages[k].find("Page " + std::to_string(k + 1) + " of " + total),
                  std::string::npos);
    }
}

// The results table shows every value of the run's summary on one line with its quantity.
void ExpectSummaryValues(const std::string& text, const fs::path& project) {
    fs::path report = project, plot = project;
    report.replace_extension(".kd5o");
    plot.replace_extension(".kd5p");
    const keldra::results::SummaryTable table = keldra::results::TableOf(
        keldra::results::SummariseFiles({report.string(), plot.string(), project.string()}));
    ASSERT_FALSE(table.rows.empty());
    for (const auto& row : table.rows) {
        if (row.quantity.rfind("Largest", 0) != 0) continue;
        const std::vector<std::string> lines = LinesWith(text, row.quantity);
        ASSERT_FALSE(lines.empty()) << row.quantity;
        std::string pattern = std::regex_replace(row.quantity, std::regex("[-]"), "\\-");
        for (const std::string& cell : row.cells)
            pattern +=
                ".*\\s" + std::regex_replace(cell, std::regex("[.+-]"), "\\$&") + "(?=\\s|$)";
        bool found = false;
        for (const std::string& line : lines) found |= std::regex_search(line, std::regex(pattern));
        EXPECT_TRUE(found) << pattern << " in:\n" << lines.front();
    }
}

TEST_F(KeldraReport, StagedProjectIsAnalysedAndReportedStageByStage) {
    const fs::path project = copy("five_stage_five_layers.kd5d");
    const Outcome outcome = report({project.string()});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const fs::path pdf = dir_ / "five_stage_five_layers-report.pdf";
    ASSERT_TRUE(fs::exists(pdf));
    EXPECT_TRUE(fs::exists(dir_ / "five_stage_five_layers.kd5o")) << "the analysis ran first";

    const int pages = pageCount(pdf);
    // Cover, the inputs and the profile of five stages, the results and six graphs.
    EXPECT_GE(pages, 1 + 5 + 5 + 1 + 3);
    EXPECT_LE(pages, 60);
    const std::string all = text(pdf);
    const std::vector<std::string> sheets = Pages(all);
    ASSERT_EQ(int(sheets.size()), pages);
    ExpectPagesFramed(sheets, ReadFile(project).substr(0, ReadFile(project).find('\r')),
                      "five_stage_five_layers.kd5d");
    for (const char* heading :
         {"Calculation Report", "Contents", "Inputs, Stage 1", "Inputs, Stage 5", "Wall Properties",
          "Wall Configuration", "Soil Layers", "Options", "Soil Profile, Stage 5",
          "Results Summary", "Warnings", "Deflection vs Depth", "Moment vs Depth", "Shear vs Depth",
          "Soil Reaction vs Depth", "Earth Pressure Distribution", "p-y Curves"})
        EXPECT_NE(all.find(heading), std::string::npos) << heading;
    EXPECT_EQ(all.find("Appendix: Text Report"), std::string::npos) << "off by default";
    ExpectSummaryValues(all, project);
}

TEST_F(KeldraReport, CurrentResultsAreReportedWithoutAnotherRunAndTheTextReportIsAppended) {
    const fs::path project = copy("sheet_pile_stiff_clays_si.kd5d");
    const fs::path first = dir_ / "first.pdf";
    ASSERT_EQ(report({project.string(), "-o", first.string()}).status, 0);
    const fs::path output = dir_ / "sheet_pile_stiff_clays_si.kd5o";
    const fs::file_time_type ran = fs::last_write_time(output);

    const fs::path pdf = dir_ / "with text.pdf";
    const Outcome outcome =
        report({"--with-text-report", project.string(), "--output", pdf.string()});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(fs::last_write_time(output), ran) << "the results were current";
    EXPECT_FALSE(fs::exists(dir_ / "sheet_pile_stiff_clays_si-report.pdf"));
    EXPECT_GT(pageCount(pdf), pageCount(first));
    const std::string all = text(pdf);
    EXPECT_NE(all.find("Units: SI"), std::string::npos);
    EXPECT_TRUE(std::regex_search(
        all, std::regex("Run of the analysis: [A-Z][a-z]+ [ 0-9]?[0-9], 20[0-9][0-9], "
                        "[0-9][0-9]:[0-9][0-9]:[0-9][0-9]\n")));
    EXPECT_NE(all.find("Appendix: Text Report"), std::string::npos);
    EXPECT_NE(all.find("Time and Date of Analysis"), std::string::npos);
    ExpectSummaryValues(all, project);
}

// The text with every run of white space (the layout's columns, a wrapped line) as one space.
std::string Flattened(const std::string& text) {
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

// The lines keldra-run prints for the subdivision checks of a project, without their indent.
std::vector<std::string> CheckLinesOf(const std::string& keldraRunOutput) {
    std::vector<std::string> lines;
    std::istringstream in(keldraRunOutput);
    for (std::string line; std::getline(in, line);) {
        const std::string text = line.substr(std::min(line.find_first_not_of(' '), line.size()));
        if (text.rfind("Subdivision check: ", 0) == 0 ||
            text.rfind("Warning: the results depend on how the soil is split", 0) == 0)
            lines.push_back(text);
    }
    return lines;
}

// The results end with the subdivision check of every problem in keldra-run's words, each
// after its stage when there are stages; --no-subdivision-check leaves it out.
TEST_F(KeldraReport, ResultsEndWithTheSubdivisionCheckOfEveryProblem) {
    const struct {
        const char* example;
        std::vector<std::string> labels;
    } cases[] = {{"sand_generated.kd5d", {""}}, {"two_stage.kd5d", {"Stage 1: ", "Stage 2: "}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.example);
        const fs::path project = copy(c.example);
        const Outcome run =
            shell(Quoted(std::string(KELDRA_BIN_DIR) + "/keldra-run") + " " + Quoted(project));
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> lines = CheckLinesOf(run.out);
        ASSERT_GE(lines.size(), c.labels.size()) << run.out;

        const fs::path pdf = dir_ / "checked.pdf";
        ASSERT_EQ(report({project.string(), "-o", pdf.string()}).status, 0);
        const std::string all = Flattened(text(pdf));
        // The part's heading after its entry in the contents, after the warnings.
        const std::size_t part = all.rfind(" Subdivision Check ");
        ASSERT_NE(part, std::string::npos) << all;
        EXPECT_LT(all.find(" Subdivision Check "), part);
        EXPECT_LT(all.rfind(" Warnings "), part);
        for (const std::string& line : lines) {
            bool found = false;
            for (const std::string& label : c.labels)
                found |= all.find(Flattened(label + line), part) != std::string::npos;
            EXPECT_TRUE(found) << line;
        }
        for (const std::string& label : c.labels)
            EXPECT_NE(all.find(label + "Subdivision check: ", part), std::string::npos) << label;

        const fs::path unchecked = dir_ / "unchecked.pdf";
        ASSERT_EQ(
            report({"--no-subdivision-check", project.string(), "-o", unchecked.string()}).status,
            0);
        EXPECT_EQ(text(unchecked).find("Subdivision"), std::string::npos);
    }
}

TEST_F(KeldraReport, PagesAreLetterWhereTheLocaleMeasuresInUSUnitsElseA4) {
    const fs::path project = copy("sheet_pile_stiff_clays_si.kd5d");
    for (const auto& [locale, size] : {std::pair{"en_US.UTF-8", "612 x 792 pts (letter)"},
                                       std::pair{"de_DE.UTF-8", "595 x 842 pts (A4)"},
                                       std::pair{"en_GB.UTF-8", "595 x 842 pts (A4)"}}) {
        SCOPED_TRACE(locale);
        const fs::path pdf = dir_ / (std::string(locale) + ".pdf");
        ASSERT_EQ(
            report({project.string(), "-o", pdf.string()}, "LC_ALL=" + std::string(locale) + " ")
                .status,
            0);
        EXPECT_NE(shell("pdfinfo " + Quoted(pdf)).out.find("Page size:       " + std::string(size)),
                  std::string::npos);
    }
}

TEST_F(KeldraReport, FailuresExitWithTheirStatusAndWriteNoReport) {
    // The sand example's third line opens with the number of increments, its fourth is the
    // stiffness row (from node, to node, interpolation, EI). A stiffness of zero stops the
    // run at the input checks; 500 increments pass them and stop the engine on its input.
    const fs::path zeroEI = sandWith("zero_ei.kd5d", {{3, "0\t60\t1\t0"}});
    const fs::path tooLong =
        sandWith("too_long.kd5d", {{2, "500 6\t100\t1E-5\t180\t12"}, {3, "0\t500\t1\t1.05E10"}});
    std::ofstream(dir_ / "garbage.kd5d") << "not a project\n";
    fs::create_directory(dir_ / "folder.kd5d");

    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    };
    const std::vector<Case> cases{
        {{}, 2, "no project file given"},
        {{"--bogus"}, 2, "unknown option \"--bogus\""},
        {{(dir_ / "missing.kd5d").string()}, 2, "missing.kd5d: no such file"},
        {{(dir_ / "folder.kd5d").string()}, 2, "folder.kd5d: not a regular file"},
        {{(dir_ / "garbage.kd5d").string()}, 2, "garbage.kd5d: "},
        {{zeroEI.string()}, 1, "Flexural Stiffness (EI), 0 in row 1 of Wall Stiffness definition"},
        {{tooLong.string()},
         1,
         "keldra-report: the analysis stopped: TOO MUCH DATA FOR AVAILABLE STORAGE\n"
         "keldra-report: THE WALL HAS MORE THAN 407 INCREMENTS\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const Outcome outcome = report(c.arguments);
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
    }
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_NE(entry.path().extension(), ".pdf") << entry.path();
}

TEST_F(KeldraReport, HelpNamesTheCommandAndTheExitStatus) {
    const Outcome outcome = report({"--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.out.find("Usage: keldra-report PROJECT.kd5d [-o REPORT.pdf]"),
              std::string::npos);
    EXPECT_NE(outcome.out.find("Exit status:"), std::string::npos);
}

}  // namespace
