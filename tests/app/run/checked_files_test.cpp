#include "app/run/checked_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "tests/scratch_folder.h"

namespace keldra::run {

namespace fs = std::filesystem;

TEST(CheckedFiles, ANewFileIsNeverWrittenThroughWhatStandsInItsPlace) {
    ScratchFolder dir;
    WriteFile(dir / "target", "kept");
    fs::create_symlink(dir / "target", dir / "link");
    EXPECT_EQ(WriteNewFile(dir / "link", "planted"), std::errc::file_exists);
    EXPECT_EQ(WriteNewFile(dir / "target", "planted"), std::errc::file_exists);
    EXPECT_EQ(ReadFile(dir / "target"), "kept");

    EXPECT_EQ(WriteNewFile(dir / "new", "text"), std::error_code());
    EXPECT_EQ(ReadFile(dir / "new"), "text");
    EXPECT_EQ(WriteNewFile(dir / "missing" / "new", "text"), std::errc::no_such_file_or_directory);
}

TEST(CheckedFiles, OnlyRegularFilesAreRead) {
    ScratchFolder dir;
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    std::string text;
    EXPECT_EQ(ReadWholeFile(dir / "pipe", text), std::errc::invalid_argument);
    EXPECT_EQ(ReadWholeFile(dir.path(), text), std::errc::invalid_argument);
    const std::string large(200000, 'x');
    WriteFile(dir / "large", large);
    EXPECT_EQ(ReadWholeFile(dir / "large", text), std::error_code());
    EXPECT_EQ(text, large);
}

TEST(CheckedFiles, TemporaryFilesHaveNamesOfTheirOwn) {
    ScratchFolder dir;
    fs::path first, second;
    ASSERT_EQ(WriteTemporaryFile(dir.path(), "one", first), std::error_code());
    ASSERT_EQ(WriteTemporaryFile(dir.path(), "two", second), std::error_code());
    EXPECT_NE(first, second);
    EXPECT_EQ(first.parent_path(), dir.path());
    EXPECT_EQ(ReadFile(first), "one");
    EXPECT_EQ(ReadFile(second), "two");
}

}  // namespace keldra::run
