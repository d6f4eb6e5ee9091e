// keldra-run as a user calls it: summaries, output files and exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string output;
};

Outcome RunRunner(const std::string& arguments) {
    const std::string command = std::string(KELDRA_BIN_DIR) + "/keldra-run " + arguments + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

class KeldraRun : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = "/tmp/keldra-run-test-XXXXXX";
        dir_ = mkdtemp(pattern.data());
        for (const char* name : {"two_stage.kd5d", "short_long_term.kd5d"}) {
            fs::copy_file(fs::path(KELDRA_SOURCE_DIR) / "examples" / name, dir_ / name);
        }
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

}  // namespace

TEST_F(KeldraRun, ParallelRunsSummariseEveryProblem) {
    const Outcome out = RunRunner("--jobs 2 " + (dir_ / "two_stage.kd5d").string() + " " +
                                  (dir_ / "short_long_term.kd5d").string());
    EXPECT_EQ(out.status, 0) << out.output;
    for (const char* text :
         {"stage 1: ", "stage 2: ", "short term: ", "long term: ", "max |moment|"}) {
        EXPECT_NE(out.output.find(text), std::string::npos) << text << "\n" << out.output;
    }
    for (const char* file :
         {"two_stage.kd5o", "two_stage.kd5p", "two_stage.kd5r", "short_long_term.kd5o"}) {
        EXPECT_TRUE(fs::exists(dir_ / file)) << file;
    }
    EXPECT_FALSE(fs::exists(dir_ / "NAMES.dat")) << "the names file lives in a scratch directory";
}

TEST_F(KeldraRun, StoppedRunExitsWithOne) {
    std::FILE* f = std::fopen((dir_ / "bad.kd5d").c_str(), "w");
    std::fputs("Bad\r\n1 0\t1\t0\t0\t0 0 1 0 0\r\n10 12\t5\t1E-5\t60\t12\r\n10\t0\t1\t1E9\r\n", f);
    std::fclose(f);
    const Outcome out = RunRunner((dir_ / "bad.kd5d").string());
    EXPECT_EQ(out.status, 1) << out.output;
    EXPECT_NE(out.output.find("ERROR STOP -- STATIONS NOT IN ORDER"), std::string::npos)
        << out.output;
}

TEST_F(KeldraRun, UsageAndMissingFilesExitWithTwo) {
    EXPECT_EQ(RunRunner("").status, 2);
    EXPECT_EQ(RunRunner("--jobs 0 x.kd5d").status, 2);
    const Outcome missing = RunRunner((dir_ / "missing.kd5d").string());
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("no such project file"), std::string::npos) << missing.output;
}
