// The exported entry, through the built libKeldraEngine.so as callers load it.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "engine_run.h"
#include "keldra/ikeldra.h"
#include "project_builder.h"

namespace keldra {

namespace {

using Entry = std::int32_t (*)(std::int32_t);

// Loads the library afresh, calls `name` in `dir` and unloads it.
std::int32_t CallEntry(const std::filesystem::path& dir, std::int32_t argument,
                       const char* name = "IKELDRA") {
    void* handle = dlopen(KELDRA_BIN_DIR "/libKeldraEngine.so", RTLD_NOW | RTLD_LOCAL);
    EXPECT_NE(handle, nullptr) << dlerror();
    if (handle == nullptr) return -1;
    auto entry = reinterpret_cast<Entry>(dlsym(handle, name));
    EXPECT_NE(entry, nullptr) << name;
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    const std::int32_t result = entry != nullptr ? entry(argument) : -1;
    std::filesystem::current_path(cwd);
    dlclose(handle);
    return result;
}

// The names file of wall.kd5d in `dir` with output `which` (0 report, 1 plot
// data, 2 run notes) at `path`.
void WriteNamesWith(const std::filesystem::path& dir, int which, const std::string& path) {
    std::string outputs[] = {(dir / "wall.kd5o").string(), (dir / "wall.kd5p").string(),
                             (dir / "wall.kd5r").string()};
    outputs[which] = path;
    testing::WriteFile(dir / "NAMES.dat", "2015.5.6\n" + (dir / "wall.kd5d").string() + "\n" +
                                              outputs[0] + "\n" + outputs[1] + "\n" + outputs[2] +
                                              "\n");
}

int FilesIn(const std::filesystem::path& dir) {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++n;
    return n;
}

}  // namespace

TEST(Entry, TheLibraryExportsTheEntryUnderItsTwoNamesOnly) {
    std::FILE* nm = popen("nm -D --defined-only " KELDRA_BIN_DIR "/libKeldraEngine.so", "r");
    ASSERT_NE(nm, nullptr);
    std::string exported;
    char line[512];
    while (std::fgets(line, sizeof line, nm) != nullptr) {
        char kind = 0;
        char name[256] = {};
        if (std::sscanf(line, "%*s %c %255s", &kind, name) == 2 && kind == 'T') {
            exported += std::string(name) + " ";
        }
    }
    ASSERT_EQ(pclose(nm), 0);
    EXPECT_EQ(exported, "IKELDRA _IKELDRA ");
}

TEST(Entry, AnArgumentOtherThanSixTouchesNoFile) {
    testing::EngineRun run;
    testing::WriteFile(run.dir() / "wall.kd5d", testing::LoadedCantilever().Text());
    run.WriteNames();
    for (std::int32_t argument : {5, 0, -6, 7}) {
        EXPECT_EQ(CallEntry(run.dir(), argument), 1);
        EXPECT_EQ(FilesIn(run.dir()), 2) << "only the project and the names file";
    }
}

TEST(Entry, BothNamesRunTheProjectFromTheZeroState) {
    for (const char* name : {"IKELDRA", "_IKELDRA"}) {
        testing::EngineRun run;
        testing::WriteFile(run.dir() / "wall.kd5d", testing::LoadedCantilever().Text());
        run.WriteNames();
        EXPECT_EQ(CallEntry(run.dir(), 6, name), 0);
        const std::string report = testing::ReadFile(run.dir() / "wall.kd5o");
        EXPECT_NE(report.find("     RESULTS -- ITERATION"), std::string::npos) << name;
        EXPECT_NE(report.find("     END OF ANALYSIS"), std::string::npos) << name;
        EXPECT_TRUE(std::filesystem::exists(run.dir() / "wall.kd5p"));
        EXPECT_TRUE(std::filesystem::exists(run.dir() / "wall.kd5r"));
    }
}

TEST(Entry, SecondRunOfALoadedLibraryStartsItsOwnRecord) {
    testing::EngineRun run;
    testing::WriteFile(run.dir() / "wall.kd5d", testing::LoadedCantilever().Text());
    run.WriteNames();
    void* handle = dlopen(KELDRA_BIN_DIR "/libKeldraEngine.so", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    auto entry = reinterpret_cast<Entry>(dlsym(handle, "IKELDRA"));
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(run.dir());
    EXPECT_EQ(entry(6), 0);
    const std::string first = testing::ReadFile(run.dir() / "wall.kd5p");
    EXPECT_EQ(entry(6), 0);
    const std::string second = testing::ReadFile(run.dir() / "wall.kd5p");
    // A project that stops at once holds no result rows of the earlier run.
    testing::WriteFile(run.dir() / "wall.kd5d", "Stops\r\n1 21\t1\t0\t0\t0 0 1 0 0\r\n");
    EXPECT_EQ(entry(6), 0);
    const std::string stopped = testing::ReadFile(run.dir() / "wall.kd5p");
    std::filesystem::current_path(cwd);
    dlclose(handle);
    EXPECT_EQ(first, second);
    EXPECT_EQ(stopped, "1 0 1\n");
}

TEST(Entry, ShortNamesFileWritesTheMessageAndReturns) {
    testing::EngineRun run;
    run.WriteNames(3);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(CallEntry(run.dir(), 6), 0);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(" PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n"
                       " BEFORE COMPUTATION.  TRY IT AGAIN!\n"),
              std::string::npos)
        << err;
    EXPECT_FALSE(std::filesystem::exists(run.dir() / "wall.kd5o"));
}

TEST(Entry, MissingNamesFileReturns) {
    testing::EngineRun run;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(CallEntry(run.dir(), 6), 0);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("NAMES.dat"), std::string::npos);
    EXPECT_EQ(FilesIn(run.dir()), 0);
}

TEST(Entry, AnOutputFileThatCannotBeWrittenReturnsTwo) {
    const char* const kOutputs[] = {"report", "plot data", "run notes"};
    for (int which = 0; which < 3; ++which) {
        for (const bool full : {true, false}) {
            testing::EngineRun run;
            testing::WriteFile(run.dir() / "wall.kd5d", testing::LoadedCantilever().Text());
            WriteNamesWith(run.dir(), which,
                           full ? "/dev/full" : (run.dir() / "missing" / "output").string());
            const std::string name =
                std::string(kOutputs[which]) + (full ? " on a full device" : " not creatable");
            EXPECT_EQ(CallEntry(run.dir(), 6), keldra::entry::kOutputIncomplete) << name;
            if (which == 0) continue;
            // The report itself is whole and says nothing of the other file.
            const auto report = testing::Lines(testing::ReadFile(run.dir() / "wall.kd5o"));
            ASSERT_FALSE(report.empty()) << name;
            EXPECT_EQ(report.back(), "     END OF ANALYSIS                             ") << name;
        }
    }
}

TEST(Entry, AFileSizeLimitCutsTheReportAndReturnsTwo) {
    constexpr rlim_t kLimit = 2048;  // well below the report of this project
    testing::EngineRun run;
    testing::WriteFile(run.dir() / "wall.kd5d", testing::LoadedCantilever().Text());
    run.WriteNames();
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        // Past the limit a write fails with EFBIG instead of ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{kLimit, kLimit};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(100);
        _exit(CallEntry(run.dir(), 6));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), keldra::entry::kOutputIncomplete);
    const std::string report = testing::ReadFile(run.dir() / "wall.kd5o");
    EXPECT_LE(report.size(), kLimit);
    EXPECT_EQ(report.find("END OF ANALYSIS"), std::string::npos);
}

}  // namespace keldra
