// keldra-study as a user runs it: its rows against plain keldra-run runs of
// the projects it kept, and the errors of ranges it cannot study.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/results/results_summary.h"
#include "tests/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
};

// Runs `command` with the standard error stream joined to the output.
Outcome RunCommand(const std::string& command) {
    Outcome outcome;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return outcome;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) outcome.out += buffer;
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
    return fields;
}

class KeldraStudy : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = keldra::testing::MakeScratchFolder("keldra-study-test");
        ASSERT_FALSE(dir_.empty());
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string Study(const std::string& arguments, const std::string& study = "embedment",
                             const std::string& example = "sand_generated.kd5d") {
        return std::string(KELDRA_BIN_DIR "/keldra-study ") + study + " " + KELDRA_SOURCE_DIR +
               "/examples/" + example + " " + arguments;
    }

    fs::path dir_;
};

std::string Text(const keldra::results::Quantity& q) {
    return q.figure.known() ? keldra::results::ShortestText(q.figure) : "";
}

TEST_F(KeldraStudy, RowsAreThoseOfPlainRunsOfTheKeptProjects) {
    const fs::path kept = dir_ / "kept", csv = dir_ / "study.csv";
    const Outcome study = RunCommand(Study("--from 60 --to 120 --step 30 --jobs 2 --keep " +
                                           kept.string() + " --csv " + csv.string()));
    ASSERT_EQ(study.status, 0) << study.out;
    EXPECT_NE(study.out.find("\ncritical embedment: "), std::string::npos) << study.out;
    // The engines' progress lines of many runs would bury the table.
    EXPECT_EQ(study.out.find("READ SOIL DATA"), std::string::npos) << study.out;

    std::ifstream table(csv);
    std::string line;
    ASSERT_TRUE(std::getline(table, line));
    EXPECT_EQ(line,
              "embedment (in),wall length (in),closed,iterations,top deflection (in),"
              "max |moment| (LBS-IN),moment depth (in),max |shear| (LBS),shear depth (in),"
              "project");
    std::vector<std::vector<std::string>> rows;
    while (std::getline(table, line)) rows.push_back(Split(line));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], "60");
    EXPECT_EQ(rows[1][0], "90");
    EXPECT_EQ(rows[2][0], "120");
    for (const std::vector<std::string>& row : rows) {
        SCOPED_TRACE(row.back());
        ASSERT_EQ(row.size(), 10u);
        const fs::path plain = dir_ / "plain" / row.back();
        fs::create_directories(plain.parent_path());
        fs::copy_file(kept / row.back(), plain);
        const Outcome run = RunCommand(std::string(KELDRA_BIN_DIR "/keldra-run ") + plain.string());
        ASSERT_TRUE(run.status == 0 || run.status == 1) << run.out;
        const fs::path stem = plain.parent_path() / plain.stem();
        const keldra::results::ResultsSummary summary = keldra::results::SummariseFiles(
            {stem.string() + ".kd5o", stem.string() + ".kd5p", plain.string()});
        ASSERT_EQ(summary.problems.size(), 1u);
        const keldra::results::ProblemSummary& p = summary.problems.front();
        EXPECT_EQ(row[2], p.closed ? "1" : "0");
        EXPECT_EQ(row[3], std::to_string(p.iterations));
        EXPECT_EQ(row[4], Text(p.top_deflection));
        EXPECT_EQ(row[5], Text(p.moment.value));
        EXPECT_EQ(row[6], Text(p.moment.depth));
        EXPECT_EQ(row[7], Text(p.shear.value));
        EXPECT_EQ(row[8], Text(p.shear.depth));
        EXPECT_EQ(row[0], keldra::results::ShortestText(p.embedment.figure));
    }
}

TEST_F(KeldraStudy, RangesThatCannotBeStudiedExitWithTwoAndSayWhy) {
    struct Case {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"--from 120 --to 60 --step 30",
         "keldra-study: the range is empty: it starts at 120 in and ends at 60 in\n"},
        {"--from 60 --to 120 --step 0", "keldra-study: the step must be greater than 0\n"},
        {"--from -30 --to 60 --step 30",
         "keldra-study: embedment -30 in does not reach below the excavation at 180 in\n"},
        {"--from 60 --to 2400 --step 2340",
         "keldra-study: embedment 2400 in needs 430 increments; the engine holds at most "
         "407\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const Outcome outcome = RunCommand(Study(c.arguments));
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, c.message);
    }
}

TEST_F(KeldraStudy, PlotIsWrittenAsSvgOrPng) {
    struct Case {
        const char* name;
        std::string signature;  // what the file begins with or holds
    };
    const Case cases[] = {{"plot.svg", "top deflection (in)"},
                          {"plot.png", std::string("\x89PNG", 4)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path plot = dir_ / c.name;
        const Outcome outcome =
            RunCommand(Study("--from 60 --to 120 --step 60 --plot " + plot.string()));
        EXPECT_EQ(outcome.status, 0) << outcome.out;
        std::ifstream file(plot, std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
        EXPECT_NE(content.find(c.signature), std::string::npos);
    }
}

TEST_F(KeldraStudy, HelpAndUsage) {
    struct Case {
        std::string arguments;
        int status;
        std::string begins;
    };
    const std::string program = KELDRA_BIN_DIR "/keldra-study";
    const Case cases[] = {
        {"--help", 0, "Usage: keldra-study embedment PROJECT.kd5d"},
        {"embedment --help", 0, "Usage: keldra-study embedment PROJECT.kd5d"},
        {"", 2, "Usage: keldra-study embedment PROJECT.kd5d"},
        {"walls x.kd5d", 2, "Usage: keldra-study embedment PROJECT.kd5d"},
        {"embedment x.kd5d --from 1 --to 2", 2, "Usage: keldra-study embedment PROJECT.kd5d"},
        {"strength x.kd5d --jobs 0", 2, "Usage: keldra-study embedment PROJECT.kd5d"},
        {"strength " + dir_.string() + "/none.kd5d", 2,
         "keldra-study: no such project file: " + dir_.string() + "/none.kd5d\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const Outcome outcome = RunCommand(program + " " + c.arguments);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.out.rfind(c.begins, 0), 0u) << outcome.out;
    }
    const Outcome help = RunCommand(program + " --help");
    EXPECT_NE(help.out.find("naming the shortest studied embedment from which every longer studied "
                            "embedment\ncloses and has a top deflection within 1 % of the top "
                            "deflection at the longest\nstudied embedment"),
              std::string::npos)
        << help.out;
}

// The scripted engine waits to be killed on a project titled "sleep".
TEST_F(KeldraStudy, InterruptKillsTheRunsInProgressAndRemovesTheirFolders) {
    const fs::path bin = dir_ / "bin", tmp = dir_ / "tmp", project = dir_ / "sleep.kd5d";
    fs::create_directories(bin);
    fs::create_directories(tmp);
    fs::copy_file(KELDRA_BIN_DIR "/keldra-study", bin / "keldra-study");
    fs::copy_file(KELDRA_SCRIPTED_ENGINE, bin / "libKeldraEngine.so");
    {
        std::ifstream in(KELDRA_SOURCE_DIR "/examples/sand_generated.kd5d");
        std::ofstream out(project);
        std::string line;
        std::getline(in, line);
        out << "sleep\n" << in.rdbuf();
    }
    const fs::path log = dir_ / "log.txt";
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("TMPDIR", tmp.c_str(), 1);
        const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        const std::string program = (bin / "keldra-study").string(), file = project.string();
        execl(program.c_str(), program.c_str(), "embedment", file.c_str(), "--from", "60", "--to",
              "120", "--step", "30", "--jobs", "2", static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(pid, 0);
    // Two runs at a time: wait until both engines are waiting.
    std::vector<pid_t> engines;
    for (int k = 0; k < 1000 && engines.size() < 2; ++k) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        engines.clear();
        for (const fs::directory_entry& run : fs::directory_iterator(tmp))
            if (std::ifstream started(run.path() / "started"); started) {
                pid_t engine = 0;
                if (started >> engine) engines.push_back(engine);
            }
    }
    ASSERT_EQ(engines.size(), 2u);
    kill(pid, SIGINT);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGINT);
    std::ifstream in(log);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("keldra-study: stopped by signal 2; the runs in progress were ended\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(fs::is_empty(tmp)) << "run folders left behind";
    for (pid_t engine : engines) EXPECT_NE(kill(engine, 0), 0) << "engine " << engine << " lives";
}

// The wall of this example is held by user p-y curves alone: no factor on
// the soil strength weakens it.
TEST_F(KeldraStudy, StrengthOfAWallHeldByUserCurvesReachesTheMaximum) {
    const Outcome outcome =
        RunCommand(Study("--max 4 --jobs 2", "strength", "cantilever_user_curves.kd5d"));
    EXPECT_EQ(outcome.status, 0) << outcome.out;
    const std::string table =
        "factor  closed  project\n"
        "  1.00       1  cantilever_user_curves-f1.kd5d\n"
        "  2.00       1  cantilever_user_curves-f2.kd5d\n"
        "  4.00       1  cantilever_user_curves-f4.kd5d\n"
        "factor of safety: 4.00\n";
    EXPECT_NE(outcome.out.find(table), std::string::npos) << outcome.out;
}

}  // namespace
