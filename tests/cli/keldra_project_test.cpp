// keldra-project as a user calls it: messages, written files and exit status.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/whole_files.h"

namespace {

namespace fs = std::filesystem;
using keldra::testing::ReadFile;
using keldra::testing::WriteFile;

const fs::path kSource = KELDRA_SOURCE_DIR;
const fs::path kFixtures = kSource / "tests/app/project/data";

// The first `count` lines of `text` (lines end with LF), and `tail` after them.
std::string FirstLines(const std::string& text, int count, const std::string& tail = "") {
    std::size_t end = 0;
    for (int k = 0; k < count; ++k) end = text.find('\n', end) + 1;
    return text.substr(0, end) + tail;
}

std::set<std::string> Listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

std::vector<fs::path> Examples() {
    std::vector<fs::path> examples;
    for (const auto& entry : fs::directory_iterator(kSource / "examples")) {
        if (entry.path().extension() == ".kd5d") examples.push_back(entry.path());
    }
    std::sort(examples.begin(), examples.end());
    return examples;
}

struct Outcome {
    int status;
    std::string out, err;
};

class KeldraProject : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "keldra-project-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        fs::create_directory(dir_ / "work");
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path work(const std::string& name) const { return dir_ / "work" / name; }

    fs::path copy(const fs::path& from, const std::string& name = "") const {
        const fs::path to = work(name.empty() ? from.filename().string() : name);
        fs::copy_file(from, to, fs::copy_options::overwrite_existing);
        return to;
    }

    // Runs the tool with its output in files beside the work folder. With a file size limit
    // the tool runs as on a full disk: writes beyond the limit fail instead of raising SIGXFSZ.
    Outcome run(const std::vector<std::string>& arguments,
                rlim_t fileSizeLimit = RLIM_INFINITY) const {
        const fs::path out = dir_ / "stdout", err = dir_ / "stderr";
        const std::string program = std::string(KELDRA_BIN_DIR) + "/keldra-project";
        const pid_t child = fork();
        if (child == 0) {
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            if (!std::freopen(out.c_str(), "w", stdout) || !std::freopen(err.c_str(), "w", stderr))
                _exit(127);
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(127);
            // A FIFO named on the command line must not block the tool.
            alarm(60);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    }

    fs::path dir_;
};

TEST_F(KeldraProject, EveryExampleReadsCleanlyAndNothingIsWrittenBesideIt) {
    std::vector<std::string> arguments{"check"};
    for (const fs::path& example : Examples()) arguments.push_back(copy(example).string());
    ASSERT_GT(arguments.size(), 1u);
    const std::set<std::string> before = Listing(dir_ / "work");
    const Outcome outcome = run(arguments);
    EXPECT_EQ(outcome.status, 0) << outcome.out << outcome.err;
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(Listing(dir_ / "work"), before) << "stage files of the staged examples";
}

TEST_F(KeldraProject, CheckPrintsTheMessagesOpenShows) {
    const std::string sand = ReadFile(kSource / "examples/sand_generated.kd5d");
    const std::string staged = ReadFile(kSource / "examples/two_stage.kd5d");
    struct Case {
        const char* what;
        std::string content;
        std::string messages;  // each line after "<file>: "
    };
    const Case cases[] = {
        {"cut within the closure tolerance", FirstLines(sand, 2, "60 6\t100\t1E"),
         "Error on Line 3 Item 4\nA floating point number was expected but not found.\n"},
        {"cut after the wall grid", FirstLines(sand, 3),
         "This file either invalid or incomplete.\n"},
        {"a letter for the increments", FirstLines(sand, 2, "x0 6\t100\t1E-5\t180\t12\r\n"),
         "Error on Line 3 Item 1\nAn integer was expected but not found.\n"},
        {"the second stage missing", FirstLines(staged, 60),
         "The data file holds 1 of the 2 construction stages it announces.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path file = work("wall.kd5d");
        WriteFile(file, c.content);
        const Outcome outcome = run({"check", file.string()});
        EXPECT_EQ(outcome.status, 1);
        std::string expected;
        std::istringstream lines(c.messages);
        for (std::string line; std::getline(lines, line);)
            expected += file.string() + ": " + line + "\n";
        EXPECT_EQ(outcome.out, expected);
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(Listing(dir_ / "work"), std::set<std::string>{"wall.kd5d"});
    }
}

TEST_F(KeldraProject, FilesThatCannotBeReadAreNamedAndTheOthersStillChecked) {
    const fs::path good = copy(kSource / "examples/clay_generated.kd5d");
    const fs::path fifo = work("pipe.kd5d");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string file;
        std::string message;
    };
    const Case cases[] = {
        {work("missing.kd5d").string(), "no such file"},
        {(dir_ / "work").string(), "not a regular file"},
        {fifo.string(), "not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Outcome outcome = run({"check", c.file, good.string()});
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err, "keldra-project: " + c.file + ": " + c.message + "\n");
        EXPECT_EQ(outcome.out, "");
    }
}

TEST_F(KeldraProject, UsageErrorsExitWithTwoAndHelpNamesTheExitStatus) {
    const std::string example = (kSource / "examples/clay_generated.kd5d").string();
    const std::vector<std::string> usageErrors[] = {
        {},
        {"verify", example},
        {"check"},
        {"convert", example},
        {"check", "--layout", "2014", example},
        {"check", "--quiet", example},
    };
    for (const std::vector<std::string>& arguments : usageErrors) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.status, 2) << outcome.err;
        EXPECT_NE(outcome.err.find("Usage: keldra-project check"), std::string::npos);
    }
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--help"}, {"check", "--help"}, {"convert", "--help"}}) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_NE(outcome.out.find("Exit status:"), std::string::npos) << outcome.out;
        EXPECT_NE(outcome.out.find("2  a usage error"), std::string::npos) << outcome.out;
    }
    EXPECT_EQ(run({"check", "--help"}).out.find("convert: reads"), std::string::npos);
    EXPECT_EQ(run({"convert", "--help"}).out.find("check: reads"), std::string::npos);
}

TEST_F(KeldraProject, OlderLayoutsConvertToTheCurrentLayout) {
    struct Case {
        const char* file;
        std::vector<std::string> options;
        const char* expected;
        const char* expectedStage2;
    };
    const Case cases[] = {
        {"release2013.kd4d", {}, "release2013.expected.kd5d", nullptr},
        {"release30.kdd", {}, "release30.expected.kd5d", nullptr},
        {"oldest.kdd", {"--layout", "2.0"}, "oldest.expected.kd5d", nullptr},
        {"staged2013.kd4d", {}, "staged2013.expected.kd5d", "staged2013.expected.st2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const fs::path in = copy(kFixtures / c.file);
        const fs::path out = work("Converted.kd5d");
        std::vector<std::string> arguments{"convert"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        arguments.insert(arguments.end(), {in.string(), out.string()});
        const Outcome converted = run(arguments);
        EXPECT_EQ(converted.status, 0) << converted.err;
        EXPECT_EQ(converted.out + converted.err, "");
        EXPECT_EQ(ReadFile(out), ReadFile(kFixtures / c.expected));
        EXPECT_EQ(ReadFile(in), ReadFile(kFixtures / c.file)) << "the file read stays as it was";
        if (c.expectedStage2) {
            EXPECT_EQ(ReadFile(work("Converted.st2")), ReadFile(kFixtures / c.expectedStage2));
        }
        const Outcome checked = run({"check", out.string()});
        EXPECT_EQ(checked.status, 0) << checked.out;
        fs::remove_all(dir_ / "work");
        fs::create_directory(dir_ / "work");
    }
}

TEST_F(KeldraProject, ConvertingAnExampleOntoItselfKeepsItsBytes) {
    for (const fs::path& example : Examples()) {
        SCOPED_TRACE(example.filename());
        const fs::path file = copy(example);
        const Outcome outcome = run({"convert", file.string(), file.string()});
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(ReadFile(file), ReadFile(example));
    }
}

TEST_F(KeldraProject, AFailedConvertKeepsTheTargetAsItWas) {
    const std::string target = "Target project, kept\r\n";
    const fs::path bad = work("bad.kd5d");
    WriteFile(bad, "Bad\r\n1 0\t1\t0\t2\t2 0 1 0 0\r\n60 6\t100\t1E");
    struct Case {
        const char* what;
        fs::path in;
        rlim_t fileSizeLimit;
        std::string message;
    };
    const fs::path out = work("Target.kd5d");
    const Case cases[] = {
        {"reading message", bad, RLIM_INFINITY,
         bad.string() + ": Error on Line 3 Item 4\n" + bad.string() +
             ": A floating point number was expected but not found.\n"
             "keldra-project: " +
             bad.string() + " was not converted; nothing was written\n"},
        {"full disk", copy(kSource / "examples/short_long_term.kd5d"), 512,
         "keldra-project: Cannot write file \"" + out.string() + "\". File too large\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(out, target);
        const std::set<std::string> before = Listing(dir_ / "work");
        const Outcome outcome = run({"convert", c.in.string(), out.string()}, c.fileSizeLimit);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.err, c.message);
        EXPECT_EQ(ReadFile(out), target);
        EXPECT_EQ(Listing(dir_ / "work"), before);
    }
}

TEST_F(KeldraProject, ConvertRefusesTargetsReadInAnotherLayout) {
    const fs::path in = copy(kFixtures / "release2013.kd4d");
    for (const char* name : {"release2013.kd4d", "Wall.kdd", "Wall.KDD"}) {
        const Outcome outcome = run({"convert", in.string(), work(name).string()});
        EXPECT_EQ(outcome.status, 2) << name;
        EXPECT_NE(outcome.err.find("older layout"), std::string::npos) << outcome.err;
    }
    EXPECT_EQ(ReadFile(in), ReadFile(kFixtures / "release2013.kd4d"));
    EXPECT_EQ(Listing(dir_ / "work"), std::set<std::string>{"release2013.kd4d"});
}

}  // namespace
