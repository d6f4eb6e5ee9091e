#include "app/run/engine_names.h"

#include <gtest/gtest.h>

#include <string>

namespace keldra::run {

TEST(EngineNames, APlainProjectIsNamedByItsPathAndItsOutputsByItsName) {
    const EngineNames names = EngineNamesFor(OutputsOf("/data/pit/Wall.kd5d"));
    EXPECT_FALSE(names.copy_project);
    EXPECT_EQ(NamesFileText(names),
              "2015.5.6\n/data/pit/Wall.kd5d\nWall.kd5o\nWall.kd5p\nWall.kd5r\n");
}

TEST(EngineNames, PathsTheEngineWouldReadOtherwiseAreCopied) {
    const std::string at_limit = "/" + std::string(kEngineNameLength - 11, 'd') + "/Wall.kd5d";
    ASSERT_EQ(at_limit.size(), kEngineNameLength);
    const struct {
        std::string project;
        bool copied;
        std::string named;  // the project line
        std::string stem;   // of the outputs in the run folder
    } cases[] = {
        {at_limit, false, at_limit, "Wall"},
        {"/x" + at_limit, true, "Wall.kd5d", "Wall"},
        {"/data/line\nbreak/Wall.kd5d", true, "Wall.kd5d", "Wall"},
        {"/data/carriage\rreturn/Wall.kd5d", true, "Wall.kd5d", "Wall"},
        {"/data/pit/Wall.kd5d ", true, "Wall.kd5d", "Wall"},
        {"/data/pit/Wall\t.kd5d", true, "project.kd5d", "project"},
        {"/data/pit/C:Wall.kd5d", false, "/data/pit/C:Wall.kd5d", "project"},
        {"/data/pit/back\\slash.kd5d", false, "/data/pit/back\\slash.kd5d", "project"},
        {"/data/pit/.kd4d", false, "/data/pit/.kd4d", "project"},
        {"/data/pit/ab:c.kd5d", false, "/data/pit/ab:c.kd5d", "ab:c"},
        {"/data/pit/" + std::string(251, 'w') + ".kd5d", true, "project.kd5d", "project"},
        // A copy never takes the name of a file the engine makes itself.
        {"/data/line\nbreak/SOILDATA", true, "SOILDATA.kd5d", "SOILDATA"},
        {"/data/line\nbreak/NAMES.dat", true, "NAMES.kd5d", "NAMES"},
        {"/data/line\nbreak/TORVAL.001", true, "TORVAL.kd5d", "TORVAL"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.project);
        const EngineNames names = EngineNamesFor(OutputsOf(c.project));
        EXPECT_EQ(names.copy_project, c.copied);
        EXPECT_EQ(names.project, c.named);
        EXPECT_EQ(names.report, c.stem + ".kd5o");
        EXPECT_EQ(names.plot, c.stem + ".kd5p");
        EXPECT_EQ(names.notes, c.stem + ".kd5r");
    }
}

}  // namespace keldra::run
