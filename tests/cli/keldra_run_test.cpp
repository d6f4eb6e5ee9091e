// keldra-run as a user calls it: summaries, output files and exit status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/scratch_folder.h"
#include "tests/whole_files.h"

namespace {

namespace fs = std::filesystem;
using keldra::testing::ReadFile;
using keldra::testing::WriteFile;
using namespace std::chrono_literals;

struct Outcome {
    int status = -1;  // the exit status, -1 when the runner did not exit
    int signal = 0;   // the signal that ended the runner
    bool hung = false;
    std::string output;
};

struct Launch {
    std::vector<std::string> arguments;
    fs::path program = fs::path(KELDRA_BIN_DIR) / "keldra-run";
    fs::path tmpdir;
    // A runner started by root is held to the file permissions like any user.
    bool without_file_override = false;
};

void DropFileOverride() {
    if (geteuid() != 0) return;
    for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
        prctl(PR_CAPBSET_DROP, capability, 0, 0, 0);
}

struct Started {
    pid_t pid;
    int output;  // the read end of the runner's stdout and stderr
};

Started Start(const Launch& launch) {
    int ends[2];
    if (pipe(ends) != 0) return {-1, -1};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(ends[1], STDOUT_FILENO);
        dup2(ends[1], STDERR_FILENO);
        close(ends[0]);
        close(ends[1]);
        setenv("TMPDIR", launch.tmpdir.c_str(), 1);
        if (launch.without_file_override) DropFileOverride();
        std::vector<char*> argv{const_cast<char*>(launch.program.c_str())};
        for (const std::string& arg : launch.arguments)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(ends[1]);
    return {pid, ends[0]};
}

// Reads the runner's output until it exits; a runner that takes longer than
// `limit` is killed and counts as hung.
Outcome Collect(Started started, std::chrono::seconds limit = 60s) {
    Outcome outcome;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    fcntl(started.output, F_SETFL, O_NONBLOCK);
    auto drain = [&] {
        char buffer[4096];
        for (ssize_t n; (n = read(started.output, buffer, sizeof buffer)) > 0;)
            outcome.output.append(buffer, static_cast<std::size_t>(n));
    };
    int status = 0;
    while (waitpid(started.pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(started.pid, SIGKILL);
            waitpid(started.pid, &status, 0);
            outcome.hung = true;
            break;
        }
        pollfd readable{started.output, POLLIN, 0};
        poll(&readable, 1, 20);
        drain();
    }
    drain();
    close(started.output);
    if (!outcome.hung && WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
    if (!outcome.hung && WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
    return outcome;
}

Outcome RunRunner(const Launch& launch) { return Collect(Start(launch)); }

class KeldraRun : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = keldra::testing::MakeScratchFolder("keldra-run-test");
        ASSERT_FALSE(dir_.empty());
        tmp_ = dir_ / "tmp";
        fs::create_directory(tmp_);
        for (const char* name : {"two_stage.kd5d", "short_long_term.kd5d"})
            fs::copy_file(fs::path(KELDRA_SOURCE_DIR) / "examples" / name, dir_ / name);
    }
    void TearDown() override {
        // Folders locked by a test are opened again so that they can be removed.
        for (const auto& entry : fs::recursive_directory_iterator(
                 dir_, fs::directory_options::skip_permission_denied)) {
            std::error_code ignored;
            if (entry.is_directory(ignored) && !entry.is_symlink(ignored))
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }

    Launch With(std::vector<std::string> arguments) const {
        Launch launch;
        launch.arguments = std::move(arguments);
        launch.tmpdir = tmp_;
        return launch;
    }

    // The run folders that runs left in the runner's temporary folder.
    std::vector<std::string> RunFoldersLeft() const {
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(tmp_)) left.push_back(entry.path());
        return left;
    }

    fs::path dir_;
    fs::path tmp_;  // the runner's $TMPDIR
};

// What keldra-run prints for a project it could not run or whose run failed.
std::string ErrorOf(const fs::path& project, const std::string& message) {
    return project.string() + "\n  error: " + message + "\n";
}

}  // namespace

TEST_F(KeldraRun, ParallelRunsSummariseEveryProblem) {
    const Outcome out = RunRunner(With({"--jobs", "2", (dir_ / "two_stage.kd5d").string(),
                                        (dir_ / "short_long_term.kd5d").string()}));
    EXPECT_EQ(out.status, 0) << out.output;
    for (const char* text :
         {"stage 1: ", "stage 2: ", "short term: ", "long term: ", "max |moment|"}) {
        EXPECT_NE(out.output.find(text), std::string::npos) << text << "\n" << out.output;
    }
    for (const char* file :
         {"two_stage.kd5o", "two_stage.kd5p", "two_stage.kd5r", "short_long_term.kd5o"}) {
        EXPECT_TRUE(fs::exists(dir_ / file)) << file;
    }
    EXPECT_FALSE(fs::exists(dir_ / "NAMES.dat")) << "the names file lives in a run folder";
    EXPECT_TRUE(RunFoldersLeft().empty());

    // The report names the files as the user knows them.
    const std::string report = ReadFile(dir_ / "two_stage.kd5o");
    EXPECT_NE(report.find("     Path to file locations      : " + dir_.string() + "/\n"),
              std::string::npos);
    EXPECT_NE(report.find("     Name of output file         : two_stage.kd5o"), std::string::npos);

    // Every value of the summary is printed as the report holds it.
    const std::string reports = report + ReadFile(dir_ / "short_long_term.kd5o");
    const std::regex number(R"(-?[0-9]*\.[0-9]+E[+-][0-9]+)");
    int values = 0;
    std::istringstream lines(out.output);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("max |") == std::string::npos) continue;
        for (std::sregex_iterator it(line.begin(), line.end(), number), end; it != end; ++it) {
            ++values;
            EXPECT_NE(reports.find(it->str()), std::string::npos) << it->str() << " in " << line;
        }
    }
    EXPECT_GT(values, 0) << out.output;
}

TEST_F(KeldraRun, StoppedRunExitsWithOne) {
    std::FILE* f = std::fopen((dir_ / "bad.kd5d").c_str(), "w");
    std::fputs("Bad\r\n1 0\t1\t0\t0\t0 0 1 0 0\r\n10 12\t5\t1E-5\t60\t12\r\n10\t0\t1\t1E9\r\n", f);
    std::fclose(f);
    const Outcome out = RunRunner(With({(dir_ / "bad.kd5d").string()}));
    EXPECT_EQ(out.status, 1) << out.output;
    EXPECT_NE(out.output.find("ERROR STOP -- STATIONS NOT IN ORDER"), std::string::npos)
        << out.output;
}

constexpr const char* kUsageLine =
    "Usage: keldra-run [--jobs N] [--keep-scratch] [--json] [--no-subdivision-check]\n"
    "                  PROJECT.kd5d...\n";

TEST_F(KeldraRun, UsageAndMissingFilesExitWithTwo) {
    const Outcome usage = RunRunner(With({}));
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.output, kUsageLine);
    EXPECT_EQ(RunRunner(With({"--jobs", "0", "x.kd5d"})).status, 2);
    const Outcome missing = RunRunner(With({(dir_ / "missing.kd5d").string()}));
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("no such project file"), std::string::npos) << missing.output;
}

// The help is also the manual page: it names every option and exit status.
TEST_F(KeldraRun, HelpExitsWithZeroAndRunsNothing) {
    for (const char* option : {"--help", "-h"}) {
        const Outcome out = RunRunner(With({(dir_ / "two_stage.kd5d").string(), option}));
        EXPECT_EQ(out.status, 0) << option;
        EXPECT_EQ(out.output.rfind(kUsageLine, 0), 0u) << out.output;
        for (const char* line :
             {"  --jobs N ", "  --keep-scratch ", "  -h, --help ", "Exit status:\n", "  128 + N  "})
            EXPECT_NE(out.output.find(line), std::string::npos) << line;
        EXPECT_FALSE(fs::exists(dir_ / "two_stage.kd5o"));
        EXPECT_TRUE(RunFoldersLeft().empty());
    }
}

TEST_F(KeldraRun, ArgumentsThatCannotRunAreReportedAndTheBatchGoesOn) {
    const std::string project = ReadFile(dir_ / "two_stage.kd5d");
    ASSERT_EQ(mkfifo((dir_ / "pipe.kd5d").c_str(), 0600), 0);
    fs::create_symlink("loop.kd5d", dir_ / "loop.kd5d");
    fs::create_directory(dir_ / "folder.kd5d");
    fs::create_directory(dir_ / "locked");
    WriteFile(dir_ / "locked" / "wall.kd5d", project);
    fs::permissions(dir_ / "locked", fs::perms::none);
    WriteFile(dir_ / "wall.kd5o", project);
    WriteFile(dir_ / ".kd5p", project);

    const std::string overwritten =
        "the project file would be overwritten by its own outputs (%s): give it another "
        "extension, such as .kd5d";
    auto overwrite = [&](const std::string& names) {
        return std::regex_replace(overwritten, std::regex("%s"), names);
    };
    const struct {
        fs::path project;
        std::string message;
    } cases[] = {
        {dir_ / "pipe.kd5d", "the project is not a regular file"},
        {dir_ / "loop.kd5d", "cannot read the project file: Too many levels of symbolic links"},
        {dir_ / "folder.kd5d", "the project is not a regular file"},
        {dir_ / "locked" / "wall.kd5d", "cannot read the project file: Permission denied"},
        {dir_ / "wall.kd5o", overwrite("wall.kd5o, wall.kd5p, wall.kd5r")},
        {dir_ / ".kd5p", overwrite(".kd5o, .kd5p, .kd5r")},
        {dir_ / "missing.kd5d", "no such project file"},
    };
    std::vector<std::string> arguments;
    for (const auto& c : cases) arguments.push_back(c.project.string());
    arguments.insert(arguments.begin() + 3, (dir_ / "two_stage.kd5d").string());
    Launch launch = With(arguments);
    launch.without_file_override = true;

    const Outcome out = RunRunner(launch);
    ASSERT_FALSE(out.hung) << out.output;
    EXPECT_EQ(out.status, 2) << out.output;
    for (const auto& c : cases)
        EXPECT_NE(out.output.find(ErrorOf(c.project, c.message)), std::string::npos)
            << c.message << "\n"
            << out.output;
    EXPECT_NE(out.output.find("stage 2: "), std::string::npos) << out.output;
    EXPECT_EQ(ReadFile(dir_ / "wall.kd5o"), project);
    EXPECT_EQ(ReadFile(dir_ / ".kd5p"), project);
    EXPECT_TRUE(RunFoldersLeft().empty());
}

TEST_F(KeldraRun, AFolderThatCannotTakeTheOutputsGetsNoOlderResultsSummarised) {
    // The outputs of another project lie where this project's would go.
    ASSERT_EQ(RunRunner(With({(dir_ / "short_long_term.kd5d").string()})).status, 0);
    const fs::path folder = dir_ / "read-only";
    fs::create_directory(folder);
    fs::copy_file(dir_ / "two_stage.kd5d", folder / "wall.kd5d");
    const auto read_only = fs::perms::owner_read | fs::perms::owner_exec;
    for (const char* extension : {".kd5o", ".kd5p", ".kd5r"}) {
        const fs::path output = folder / ("wall" + std::string(extension));
        fs::copy_file(dir_ / ("short_long_term" + std::string(extension)), output);
        fs::permissions(output, fs::perms::owner_read);
    }
    fs::permissions(folder, read_only);

    Launch launch = With({(folder / "wall.kd5d").string()});
    launch.without_file_override = true;
    const Outcome out = RunRunner(launch);
    EXPECT_EQ(out.status, 1) << out.output;
    EXPECT_EQ(out.output,
              ErrorOf(folder / "wall.kd5d", "the outputs could not be written in " +
                                                folder.string() + ": Permission denied") +
                  "  no outputs were published; the older outputs wall.kd5o, wall.kd5p, "
                  "wall.kd5r could not be removed (Permission denied) and do not belong to this "
                  "run\n");
    EXPECT_TRUE(RunFoldersLeft().empty());
}

TEST_F(KeldraRun, ProjectPathsTheNamesFileCannotHoldRunAsUsual) {
    fs::path deep = dir_;
    for (int level = 0; level < 6; ++level) deep /= std::string(99, 'a' + level);
    const fs::path folders[] = {deep, dir_ / "line\nbreak", dir_ / "trailing blank ",
                                dir_ / "tab\there"};
    std::vector<std::string> arguments{"--jobs", "2", (dir_ / "two_stage.kd5d").string()};
    for (const fs::path& folder : folders) {
        fs::create_directories(folder);
        fs::copy_file(dir_ / "two_stage.kd5d", folder / "two_stage.kd5d");
        arguments.push_back((folder / "two_stage.kd5d").string());
    }
    ASSERT_GT(arguments[3].size(), 600u);

    const Outcome out = RunRunner(With(arguments));
    EXPECT_EQ(out.status, 0) << out.output;
    const std::string project = ReadFile(dir_ / "two_stage.kd5d");
    const std::string plot_data = ReadFile(dir_ / "two_stage.kd5p");
    ASSERT_FALSE(plot_data.empty());
    for (const fs::path& folder : folders) {
        EXPECT_EQ(ReadFile(folder / "two_stage.kd5d"), project) << folder;
        const std::string report = ReadFile(folder / "two_stage.kd5o");
        EXPECT_NE(report.find("     Name of input data file     : two_stage.kd5d\n"),
                  std::string::npos)
            << folder;
        EXPECT_NE(report.find("     Name of output file         : two_stage.kd5o\n"),
                  std::string::npos)
            << folder;
        EXPECT_EQ(ReadFile(folder / "two_stage.kd5p"), plot_data) << folder;
        EXPECT_TRUE(fs::exists(folder / "two_stage.kd5r")) << folder;
        EXPECT_NE(out.output.find("  report    " + (folder / "two_stage.kd5o").string() + "\n"),
                  std::string::npos)
            << out.output;
    }
    EXPECT_TRUE(RunFoldersLeft().empty());
}

TEST_F(KeldraRun, ProjectsSharingTheirFilesRunOnce) {
    const fs::path wall = dir_ / "wall.kd5d";
    fs::copy_file(dir_ / "two_stage.kd5d", wall);
    fs::copy_file(dir_ / "two_stage.kd5d", dir_ / "wall.kd4d");
    fs::create_symlink("wall.kd5d", dir_ / "alias.kd5d");
    fs::create_directory_symlink(dir_, dir_ / "link");

    const std::string same =
        "the same project as " + wall.string() + " was given earlier in this batch";
    const struct {
        fs::path project;
        std::string message;
    } later[] = {
        {dir_ / "wall.kd4d", "its outputs wall.kd5o, wall.kd5p, wall.kd5r are those of " +
                                 wall.string() + ", given earlier in this batch"},
        {wall, same},
        {dir_ / "alias.kd5d", same},
        {dir_ / "link" / "wall.kd5d", same},
    };
    std::vector<std::string> arguments{"--jobs", "2", wall.string()};
    for (const auto& c : later) arguments.push_back(c.project.string());

    const Outcome out = RunRunner(With(arguments));
    EXPECT_EQ(out.status, 2) << out.output;
    EXPECT_NE(out.output.find(wall.string() + "\n  stage 1: "), std::string::npos) << out.output;
    for (const auto& c : later)
        EXPECT_NE(out.output.find(ErrorOf(c.project, c.message)), std::string::npos)
            << c.message << "\n"
            << out.output;
    EXPECT_FALSE(fs::exists(dir_ / "alias.kd5o"));
}

// keldra-run beside an engine that does what each project asks.
class KeldraRunScripted : public KeldraRun {
  protected:
    void SetUp() override {
        KeldraRun::SetUp();
        fs::create_directory(dir_ / "bin");
        fs::copy_file(fs::path(KELDRA_BIN_DIR) / "keldra-run", dir_ / "bin" / "keldra-run");
        fs::copy_file(KELDRA_SCRIPTED_ENGINE, dir_ / "bin" / "libKeldraEngine.so");
    }

    Launch Scripted(std::vector<std::string> arguments) const {
        Launch launch = With(std::move(arguments));
        launch.program = dir_ / "bin" / "keldra-run";
        return launch;
    }

    // A project that asks the engine for `script`, with older outputs beside it.
    fs::path Project(const std::string& name, const std::string& script) const {
        const fs::path project = dir_ / (name + ".kd5d");
        WriteFile(project, script + "\n");
        for (const char* extension : {".kd5o", ".kd5p", ".kd5r"})
            WriteFile(dir_ / (name + extension), "older output\n");
        return project;
    }
};

static std::string CaseName(std::size_t k) {
    std::string name = "p";
    name += std::to_string(k);
    return name;
}

TEST_F(KeldraRunScripted, EveryEndOfTheEngineIsToldAsItHappened) {
    const struct {
        const char* script;
        const char* message;
    } cases[] = {
        {"return 1", "the engine and this program do not belong together (IKELDRA returned 1)"},
        {"return 2", "the engine could not write its output files completely (IKELDRA returned 2)"},
        {"return 7", "the engine ended with a result it does not define (IKELDRA returned 7)"},
        {"exit 1", "the engine process ended with exit status 1 before IKELDRA returned"},
        {"exit 3", "the engine process ended with exit status 3 before IKELDRA returned"},
        {"abort", "the engine process was killed by signal 6 (Aborted)"},
    };
    std::vector<std::string> arguments{"--jobs", "3"};
    for (std::size_t k = 0; k < std::size(cases); ++k)
        arguments.push_back(Project(CaseName(k), cases[k].script).string());
    const fs::path completed = Project("completed", "return 0");
    arguments.push_back(completed.string());

    const Outcome out = RunRunner(Scripted(arguments));
    EXPECT_EQ(out.status, 1) << out.output;
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const std::string name = CaseName(k);
        EXPECT_NE(out.output.find(ErrorOf(dir_ / (name + ".kd5d"), cases[k].message) +
                                  "  no outputs were published; the older outputs of this "
                                  "project were removed, as they came from other input: " +
                                  name + ".kd5o, " + name + ".kd5p, " + name + ".kd5r\n"),
                  std::string::npos)
            << cases[k].script << "\n"
            << out.output;
        for (const char* extension : {".kd5o", ".kd5p", ".kd5r"})
            EXPECT_FALSE(fs::exists(dir_ / (name + extension))) << name << extension;
    }
    for (const char* extension : {".kd5o", ".kd5p", ".kd5r"})
        EXPECT_EQ(ReadFile(dir_ / ("completed" + std::string(extension))), "fixture output\n");
    EXPECT_EQ(out.output.find(completed.string() + "\n  error:"), std::string::npos);
    EXPECT_TRUE(RunFoldersLeft().empty());
}

TEST_F(KeldraRunScripted, JsonTellsEachProjectsEndAndTheRunsStatus) {
    const fs::path failed = Project("failed", "return 2");
    const fs::path stopped = Project("stopped", "return 0");  // its report holds no results
    const Outcome out = RunRunner(Scripted({"--json", failed.string(), stopped.string()}));
    EXPECT_EQ(out.status, 1) << out.output;
    const std::string d = dir_.string();
    EXPECT_EQ(
        out.output,
        "{\n"
        "  \"program\": \"keldra-run\",\n"
        "  \"version\": \"2015.5.6\",\n"
        "  \"exit_status\": 1,\n"
        "  \"projects\": [\n"
        "    {\n"
        "      \"project\": \"" +
            d +
            "/failed.kd5d\",\n"
            "      \"status\": 1,\n"
            "      \"errors\": [\n"
            "        \"the engine could not write its output files completely (IKELDRA returned "
            "2)\",\n"
            "        \"no outputs were published; the older outputs of this project were "
            "removed, as they came from other input: failed.kd5o, failed.kd5p, failed.kd5r\"\n"
            "      ],\n"
            "      \"report\": null,\n"
            "      \"plot_data\": null,\n"
            "      \"run_notes\": null,\n"
            "      \"ended\": false,\n"
            "      \"stop\": [],\n"
            "      \"problems\": [],\n"
            "      \"subdivision_check\": null\n"
            "    },\n"
            "    {\n"
            "      \"project\": \"" +
            d +
            "/stopped.kd5d\",\n"
            "      \"status\": 1,\n"
            "      \"errors\": [],\n"
            "      \"report\": \"" +
            d +
            "/stopped.kd5o\",\n"
            "      \"plot_data\": \"" +
            d +
            "/stopped.kd5p\",\n"
            "      \"run_notes\": \"" +
            d +
            "/stopped.kd5r\",\n"
            "      \"ended\": false,\n"
            "      \"stop\": [\n"
            "        \"fixture output\"\n"
            "      ],\n"
            "      \"problems\": [],\n"
            "      \"subdivision_check\": null\n"
            "    }\n"
            "  ]\n"
            "}\n");
}

// Kills what a test started and did not see end.
struct KillAtExit {
    std::vector<pid_t> pids;
    ~KillAtExit() {
        for (pid_t pid : pids) kill(pid, SIGKILL);
    }
};

TEST_F(KeldraRunScripted, AStopSignalEndsTheRunsAndLeavesNoRunFolders) {
    for (int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(strsignal(signal));
        std::vector<std::string> arguments{"--jobs", "2"};
        for (const char* name : {"a", "b", "c"})
            arguments.push_back(Project(name, "sleep").string());
        const Started runner = Start(Scripted(arguments));
        KillAtExit runner_left{{runner.pid}};

        // Wait until both allowed runs are under way.
        KillAtExit engines;
        for (auto until = std::chrono::steady_clock::now() + 30s;
             engines.pids.size() < 2 && std::chrono::steady_clock::now() < until;) {
            std::this_thread::sleep_for(20ms);
            engines.pids.clear();
            for (const auto& folder : fs::directory_iterator(tmp_)) {
                std::ifstream started(folder.path() / "started");
                if (pid_t pid = 0; started >> pid) engines.pids.push_back(pid);
            }
        }
        ASSERT_EQ(engines.pids.size(), 2u);
        kill(runner.pid, signal);
        const Outcome out = Collect(runner);
        runner_left.pids.clear();

        EXPECT_EQ(out.status, 128 + signal) << out.output;
        EXPECT_EQ(out.output, "keldra-run: stopped by signal " + std::to_string(signal) + " (" +
                                  strsignal(signal) + "); the runs in progress were ended\n");
        EXPECT_TRUE(RunFoldersLeft().empty());
        for (pid_t engine : engines.pids)
            EXPECT_NE(kill(engine, 0), 0) << "engine process " << engine << " still runs";
        for (const char* name : {"a", "b", "c"})
            EXPECT_EQ(ReadFile(dir_ / (std::string(name) + ".kd5o")), "older output\n");
    }
}
