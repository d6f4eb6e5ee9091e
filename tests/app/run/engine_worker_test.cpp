#include "app/run/engine_worker.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "app/run/prepared_run.h"
#include "tests/scratch_folder.h"

namespace keldra::run {

namespace fs = std::filesystem;

namespace {

struct Ran {
    std::string failure;  // as the worker told it
    std::string report;   // the published report, empty when none
};

// Runs the project `name` that asks the scripted engine for `script`.
class EngineWorkerTest : public ::testing::Test {
  protected:
    Ran RunProject(const std::string& name, const std::string& script) {
        const fs::path project = dir_ / (name + ".kd5d");
        WriteFile(project, script + "\n");
        PreparedRun run(OutputsOf(project), dir_.path());
        EXPECT_TRUE(run.ready()) << run.error();
        EXPECT_EQ(worker_.Run(run.folder()), "");
        pollfd ended{worker_.socket(), POLLIN, 0};
        EXPECT_EQ(poll(&ended, 1, 30000), 1);
        Ran ran{worker_.Conclude(), ""};
        if (run.Conclude(ran.failure).published) ran.report = ReadFile(dir_ / (name + ".kd5o"));
        return ran;
    }

    ScratchFolder dir_;
    sigset_t mask_ = [] {
        sigset_t mask;
        sigemptyset(&mask);
        return mask;
    }();
    EngineWorker worker_{KELDRA_SCRIPTED_ENGINE, mask_, EngineOutput::kDiscarded};
};

std::string CallIn(pid_t pid) { return "call 1 in process " + std::to_string(pid) + "\n"; }

}  // namespace

// The engine's static state is that of a fresh load in every run, though one
// process makes them all.
TEST_F(EngineWorkerTest, EveryRunFindsTheEngineFreshlyLoaded) {
    ASSERT_EQ(worker_.Start(), "");
    const pid_t pid = worker_.pid();
    for (const char* name : {"a", "b", "c"}) {
        SCOPED_TRACE(name);
        const Ran ran = RunProject(name, "count");
        EXPECT_EQ(ran.failure, "");
        EXPECT_EQ(ran.report, CallIn(pid));
    }
    EXPECT_EQ(worker_.pid(), pid);
}

// A worker that cannot give the next run what a fresh process would, or
// that died, is replaced; only the run it was making is lost.
TEST_F(EngineWorkerTest, AWorkerThatDiesOrKeepsAFileOpenIsReplaced) {
    const struct {
        const char* script;
        const char* failure;
    } cases[] = {
        {"leave open", ""},
        {"abort", "the engine process was killed by signal 6 (Aborted)"},
        {"exit 3", "the engine process ended with exit status 3 before IKELDRA returned"},
        {"return 2", "the engine could not write its output files completely (IKELDRA returned 2)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        ASSERT_EQ(worker_.Start(), "");
        const pid_t first = worker_.pid();
        EXPECT_EQ(RunProject("first", c.script).failure, c.failure);
        const Ran next = RunProject("next", "count");
        EXPECT_EQ(next.failure, "");
        EXPECT_EQ(next.report, CallIn(worker_.pid()));
        EXPECT_EQ(worker_.pid() != first, std::string(c.script) != "return 2");
    }
}

TEST_F(EngineWorkerTest, AnIdleWorkerEndsWithItsOwnerAndABusyOneIsKilled) {
    pid_t idle = -1;
    {
        EngineWorker worker(KELDRA_SCRIPTED_ENGINE, mask_, EngineOutput::kDiscarded);
        ASSERT_EQ(worker.Start(), "");
        idle = worker.pid();
    }
    EXPECT_EQ(waitpid(idle, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);

    const fs::path project = dir_ / "sleeping.kd5d";
    WriteFile(project, "sleep\n");
    PreparedRun run(OutputsOf(project), dir_.path());
    ASSERT_EQ(worker_.Run(run.folder()), "");
    const pid_t busy = worker_.pid();
    worker_.Kill();
    EXPECT_FALSE(worker_.busy());
    EXPECT_EQ(waitpid(busy, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

}  // namespace keldra::run
