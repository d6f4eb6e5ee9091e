#include "app/run/output_claims.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/scratch_folder.h"

namespace keldra::run {

namespace fs = std::filesystem;

TEST(OutputClaims, ALaterProjectWithTheSameFilesIsRefusedNamingTheEarlierOne) {
    ScratchFolder dir;
    fs::create_directory(dir / "d");
    WriteFile(dir / "d" / "wall.kd5d", "Wall\n");
    WriteFile(dir / "d" / "wall.kd4d", "Wall\n");
    WriteFile(dir / "d" / "other.kd5d", "Other\n");
    fs::create_symlink("wall.kd5d", dir / "d" / "alias.kd5d");
    fs::create_directory_symlink(dir / "d", dir / "link");

    OutputClaims claims;
    const fs::path wall = dir / "d" / "wall.kd5d";
    ASSERT_EQ(claims.Claim(OutputsOf(wall)), "");
    const std::string same =
        "the same project as " + wall.string() + " was given earlier in this batch";
    const struct {
        fs::path project;
        std::string refusal;
    } cases[] = {
        {wall, same},
        {dir / "d" / "alias.kd5d", same},
        {dir / "link" / "wall.kd5d", same},
        {dir / "d" / "x" / ".." / "wall.kd5d", same},
        {dir / "link" / "wall.kd4d", "its outputs wall.kd5o, wall.kd5p, wall.kd5r are those of " +
                                         wall.string() + ", given earlier in this batch"},
        {dir / "d" / "other.kd5d", ""},
        {dir / "link" / "other.kd5d", "the same project as " + (dir / "d" / "other.kd5d").string() +
                                          " was given earlier in this batch"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(claims.Claim(OutputsOf(c.project)), c.refusal) << c.project;
}

}  // namespace keldra::run
