#include "app/run/prepared_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>

#include "tests/scratch_folder.h"

namespace keldra::run {

namespace fs = std::filesystem;

namespace {

const char* const kProject = "Wall\n1 0 1 0 0 0 0 1 0 0\n";

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// What the engine leaves in the run folder.
void WriteOutputs(const fs::path& folder, const std::string& stem, const std::string& text) {
    for (const char* extension : {".kd5o", ".kd5p", ".kd5r"})
        WriteFile(folder / (stem + extension), text + extension);
}

class PreparedRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(base_);
        fs::create_directory(projects_);
        WriteFile(projects_ / "wall.kd5d", kProject);
    }
    ScratchFolder dir_;
    const fs::path base_ = dir_ / "tmp";
    const fs::path projects_ = dir_ / "projects";
};

}  // namespace

TEST_F(PreparedRunTest, EachRunHasAPrivateFolderWithTheNamesFileRemovedAfterwards) {
    fs::path first_folder;
    {
        const PreparedRun first(OutputsOf(projects_ / "wall.kd5d"), base_);
        const PreparedRun second(OutputsOf(projects_ / "wall.kd5d"), base_);
        ASSERT_TRUE(first.ready()) << first.error();
        first_folder = first.folder();
        EXPECT_NE(first.folder(), second.folder());
        EXPECT_EQ(first.folder().parent_path(), base_);
        struct stat info {};
        ASSERT_EQ(stat(first.folder().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        EXPECT_EQ(ReadFile(first.folder() / "NAMES.dat"),
                  "2015.5.6\n" + (projects_ / "wall.kd5d").string() +
                      "\nwall.kd5o\nwall.kd5p\nwall.kd5r\n");
        EXPECT_EQ(FilesIn(first.folder()), std::set<std::string>{"NAMES.dat"});
    }
    EXPECT_FALSE(fs::exists(first_folder));
    EXPECT_TRUE(FilesIn(base_).empty());
    EXPECT_EQ(FilesIn(projects_), std::set<std::string>{"wall.kd5d"});
}

TEST_F(PreparedRunTest, AKeptFolderStays) {
    fs::path folder;
    {
        PreparedRun run(OutputsOf(projects_ / "wall.kd5d"), base_);
        run.KeepFolder();
        folder = run.folder();
    }
    EXPECT_TRUE(fs::exists(folder / "NAMES.dat"));
}

TEST_F(PreparedRunTest, AProjectPathTheEngineCannotReadIsCopiedIntoTheRunFolder) {
    const fs::path odd = dir_ / "line\nbreak";
    fs::create_directory(odd);
    WriteFile(odd / "wall.kd5d", kProject);
    const PreparedRun run(OutputsOf(odd / "wall.kd5d"), base_);
    ASSERT_TRUE(run.ready()) << run.error();
    EXPECT_EQ(ReadFile(run.folder() / "NAMES.dat"),
              "2015.5.6\nwall.kd5d\nwall.kd5o\nwall.kd5p\nwall.kd5r\n");
    EXPECT_EQ(ReadFile(run.folder() / "wall.kd5d"), kProject);
}

TEST_F(PreparedRunTest, AProjectItsOwnOutputsWouldOverwriteIsRefusedBeforeAnythingIsMade) {
    WriteFile(projects_ / "wall.kd5p", kProject);
    const PreparedRun run(OutputsOf(projects_ / "wall.kd5p"), base_);
    EXPECT_FALSE(run.ready());
    EXPECT_EQ(run.error(),
              "the project file would be overwritten by its own outputs (wall.kd5o, wall.kd5p, "
              "wall.kd5r): give it another extension, such as .kd5d");
    EXPECT_TRUE(FilesIn(base_).empty());
    EXPECT_EQ(ReadFile(projects_ / "wall.kd5p"), kProject);
}

TEST_F(PreparedRunTest, NoRunFolderIsNoRun) {
    const PreparedRun run(OutputsOf(projects_ / "wall.kd5d"), dir_ / "missing");
    EXPECT_FALSE(run.ready());
    EXPECT_EQ(run.error(), "cannot create a run folder in " + (dir_ / "missing").string() +
                               ": No such file or directory");
}

// On the project's file system the outputs are moved into place; across
// file systems they are copied next to the project and renamed from there.
TEST_F(PreparedRunTest, ACompletedRunPublishesItsOutputsOverTheOlderOnes) {
    struct stat projects {
    }, memory{};
    ASSERT_EQ(stat(projects_.c_str(), &projects), 0);
    const bool other_file_system =
        stat("/dev/shm", &memory) == 0 && memory.st_dev != projects.st_dev;
    for (const fs::path& base : {base_, fs::path("/dev/shm")}) {
        SCOPED_TRACE(base);
        if (base != base_ && !other_file_system) continue;
        WriteOutputs(projects_, "wall", "older");
        PreparedRun run(OutputsOf(projects_ / "wall.kd5d"), base);
        ASSERT_TRUE(run.ready()) << run.error();
        WriteOutputs(run.folder(), "wall", "new");
        const RunConclusion conclusion = run.Conclude("");
        EXPECT_TRUE(conclusion.published);
        EXPECT_EQ(conclusion.failure, "");
        EXPECT_EQ(conclusion.withdrawal, "");
        for (const char* extension : {".kd5o", ".kd5p", ".kd5r"})
            EXPECT_EQ(ReadFile(projects_ / ("wall" + std::string(extension))),
                      "new" + std::string(extension));
        EXPECT_EQ(FilesIn(projects_),
                  (std::set<std::string>{"wall.kd5d", "wall.kd5o", "wall.kd5p", "wall.kd5r"}));
    }
}

TEST_F(PreparedRunTest, AFailedRunWithdrawsTheOlderOutputs) {
    WriteOutputs(projects_, "wall", "older");
    // A link in an output's place goes, never its target.
    WriteFile(dir_ / "target", "kept");
    fs::remove(projects_ / "wall.kd5r");
    fs::create_symlink(dir_ / "target", projects_ / "wall.kd5r");
    PreparedRun run(OutputsOf(projects_ / "wall.kd5d"), base_);
    ASSERT_TRUE(run.ready()) << run.error();
    WriteOutputs(run.folder(), "wall", "incomplete");

    const RunConclusion conclusion = run.Conclude("the engine failed");
    EXPECT_FALSE(conclusion.published);
    EXPECT_EQ(conclusion.failure, "the engine failed");
    EXPECT_EQ(conclusion.withdrawal,
              "no outputs were published; the older outputs of this project were removed, as "
              "they came from other input: wall.kd5o, wall.kd5p, wall.kd5r");
    EXPECT_EQ(FilesIn(projects_), std::set<std::string>{"wall.kd5d"});
    EXPECT_EQ(ReadFile(dir_ / "target"), "kept");

    EXPECT_EQ(run.Conclude("the engine failed").withdrawal, "no outputs were published");
}

TEST_F(PreparedRunTest, AnOutputThatCannotBePublishedLeavesNoneInPlace) {
    WriteOutputs(projects_, "wall", "older");
    fs::remove(projects_ / "wall.kd5p");
    fs::create_directory(projects_ / "wall.kd5p");
    PreparedRun run(OutputsOf(projects_ / "wall.kd5d"), base_);
    ASSERT_TRUE(run.ready()) << run.error();
    WriteOutputs(run.folder(), "wall", "new");

    const RunConclusion conclusion = run.Conclude("");
    EXPECT_FALSE(conclusion.published);
    EXPECT_EQ(conclusion.failure, "the output " + (projects_ / "wall.kd5p").string() +
                                      " could not be put in place: Is a directory");
    EXPECT_EQ(conclusion.withdrawal,
              "no outputs were published; the older outputs of this project were removed, as "
              "they came from other input: wall.kd5o, wall.kd5r; the older outputs wall.kd5p "
              "could not be "
              "removed (Is a directory) and do not belong to this run");
    EXPECT_EQ(FilesIn(projects_), (std::set<std::string>{"wall.kd5d", "wall.kd5p"}));
}

TEST_F(PreparedRunTest, AnOutputTheEngineDidNotWriteIsAFailedRun) {
    PreparedRun run(OutputsOf(projects_ / "wall.kd5d"), base_);
    ASSERT_TRUE(run.ready()) << run.error();
    WriteOutputs(run.folder(), "wall", "new");
    fs::remove(run.folder() / "wall.kd5p");

    const RunConclusion conclusion = run.Conclude("");
    EXPECT_FALSE(conclusion.published);
    EXPECT_EQ(conclusion.failure,
              "the engine's output wall.kd5p could not be read in the run folder: No such file or "
              "directory");
    EXPECT_EQ(FilesIn(projects_), std::set<std::string>{"wall.kd5d"});
}

}  // namespace keldra::run
