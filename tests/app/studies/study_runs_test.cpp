#include "app/studies/study_runs.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QTemporaryDir>
#include <cerrno>
#include <fstream>
#include <thread>

namespace keldra::studies {
namespace {

// The scripted engine waits to be killed on a project that says "sleep".
TEST(StudyRuns, CancelKillsAndReapsTheRunningChildrenAndStartsNoMore) {
    const QTemporaryDir dir;
    std::vector<std::filesystem::path> projects;
    for (int k = 0; k < 4; ++k) {
        projects.emplace_back(dir.filePath(QStringLiteral("p%1.kd5d").arg(k)).toStdString());
        std::ofstream(projects.back()) << "sleep\n";
    }
    std::atomic<bool> cancel{false};
    StudyRunOptions options{.jobs = 2, .library = KELDRA_SCRIPTED_ENGINE, .cancel = &cancel};
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        cancel = true;
    });
    const std::vector<StudyRun> runs = RunStudyProjects(projects, options);
    canceller.join();
    ASSERT_EQ(runs.size(), projects.size());
    for (const StudyRun& run : runs) {
        EXPECT_FALSE(run.ran);
        EXPECT_EQ(run.failure, kCancelled);
    }
    int status = 0;
    EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    for (const auto& project : projects)
        EXPECT_FALSE(
            std::filesystem::exists(project.parent_path() / (project.stem().string() + ".kd5o")));
}

TEST(StudyRuns, ARunThatFailsSaysWhyAndTheOthersRun) {
    const QTemporaryDir dir;
    std::vector<std::filesystem::path> projects;
    for (const char* command : {"return 0", "abort", "return 0"}) {
        projects.emplace_back(
            dir.filePath(QStringLiteral("p%1.kd5d").arg(projects.size())).toStdString());
        std::ofstream(projects.back()) << command << "\n";
    }
    int reported = 0;
    const StudyRunOptions options{.jobs = 2,
                                  .library = KELDRA_SCRIPTED_ENGINE,
                                  .progress = [&](int done, int) { reported = done; }};
    const std::vector<StudyRun> runs = RunStudyProjects(projects, options);
    EXPECT_EQ(reported, 3);
    EXPECT_TRUE(runs[0].ran);
    EXPECT_FALSE(runs[1].ran);
    EXPECT_EQ(runs[1].failure, "the engine process was killed by signal 6 (Aborted)");
    EXPECT_TRUE(runs[2].ran);
    EXPECT_FALSE(Closed(runs[0]));  // its outputs are no report
}

TEST(StudyRuns, ProjectsAreMadeBeforeTheirRunsAndOneThatCannotBeMadeFailsItsRun) {
    const QTemporaryDir dir;
    std::vector<std::filesystem::path> projects;
    for (int k = 0; k < 4; ++k)
        projects.emplace_back(dir.filePath(QStringLiteral("p%1.kd5d").arg(k)).toStdString());
    const StudyRunOptions options{
        .jobs = 2, .library = KELDRA_SCRIPTED_ENGINE, .prepare = [&](std::size_t k) {
            if (k == 1) return std::string("cannot write p1.kd5d");
            std::ofstream(projects[k]) << "return 0\n";
            return std::string();
        }};
    const std::vector<StudyRun> runs = RunStudyProjects(projects, options);
    ASSERT_EQ(runs.size(), 4u);
    for (std::size_t k = 0; k < runs.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(runs[k].ran, k != 1);
        EXPECT_EQ(runs[k].failure, k == 1 ? "cannot write p1.kd5d" : "");
    }
}

}  // namespace
}  // namespace keldra::studies
