#include "app/run/project_outputs.h"

#include <gtest/gtest.h>

#include <string>

namespace keldra::run {

TEST(ProjectOutputs, TheOutputsTakeTheNameUpToTheLastDot) {
    const struct {
        const char* project;
        const char* stem;  // of the three outputs
    } cases[] = {
        {"/p/wall.kd5d", "/p/wall"}, {"/p/wall.kd4d", "/p/wall"},      {"/p/a.b.kd5d", "/p/a.b"},
        {"/p/wall", "/p/wall"},      {"/p/x/../wall.kd5d", "/p/wall"}, {"/p/.kd5p", "/p/"},
    };
    for (const auto& c : cases) {
        const ProjectOutputs files = OutputsOf(c.project);
        const std::string stem = c.stem;
        EXPECT_EQ(files.report, stem + ".kd5o") << c.project;
        EXPECT_EQ(files.plot, stem + ".kd5p") << c.project;
        EXPECT_EQ(files.notes, stem + ".kd5r") << c.project;
    }
    EXPECT_TRUE(OutputsOf("wall.kd5d").project.is_absolute());
}

TEST(ProjectOutputs, AProjectNamedLikeItsOwnOutputIsRefused) {
    for (const char* project : {"/p/wall.kd5o", "/p/wall.kd5p", "/p/wall.kd5r", "/p/.kd5p"})
        EXPECT_FALSE(SelfOverwrite(OutputsOf(project)).empty()) << project;
    for (const char* project : {"/p/wall.kd5d", "/p/wall.kd4d", "/p/wall", "/p/wall.kd5o.kd5d"})
        EXPECT_EQ(SelfOverwrite(OutputsOf(project)), "") << project;
    EXPECT_EQ(SelfOverwrite(OutputsOf("/p/wall.kd5o")),
              "the project file would be overwritten by its own outputs (wall.kd5o, wall.kd5p, "
              "wall.kd5r): give it another extension, such as .kd5d");
}

}  // namespace keldra::run
