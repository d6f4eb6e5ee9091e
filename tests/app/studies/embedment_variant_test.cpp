#include "app/studies/embedment_variant.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <stdexcept>

#include "app/project/constructionstages.h"
#include "app/project/filelayout.h"
#include "app/project/programdata.h"
#include "app/project/projectfiles.h"
#include "app/studies/embedment_study.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"

namespace keldra::studies {
namespace {

QString Example(const char* name) {
    return QStringLiteral(KELDRA_SOURCE_DIR "/examples/%1").arg(QLatin1String(name));
}

class EmbedmentVariant : public ::testing::Test {
  protected:
    // Writes the variant and reads it back into m_project.
    void Vary(const char* example, int increments, int stage = 1) {
        const QString target = m_dir.filePath(QStringLiteral("variant.kd5d"));
        WriteEmbedmentVariant(Example(example), target, increments);
        ASSERT_EQ(ProjectFiles::open(m_project, target, TFileLayout::Current), QString());
        if (stage > 1) {
            ASSERT_EQ(ConstructionStages::selectStage(m_project, stage), QString());
        }
    }
    TGridTable& Table(QStringView name) { return m_tables.table(name); }

    QTemporaryDir m_dir;
    TProjectTables m_tables;
    TProgramData m_project{m_tables};
};

// The anchored example is pinned at its toe (node 40) by a specified deflection.
TEST_F(EmbedmentVariant, StiffnessAndRestraintAtTheTipFollowIt) {
    for (int increments : {30, 48}) {
        SCOPED_TRACE(increments);
        Vary("tieback_specified_deflection.kd5d", increments);
        EXPECT_EQ(m_project.wall.increments, increments);
        EXPECT_EQ(m_project.wall.incrementLength, 0.25);
        EXPECT_EQ(Table(TableName::PileSect).integer(1, 0), increments);
        EXPECT_EQ(Table(TableName::SoilLayer).integer(1, 0), increments);
    }
}

TEST_F(EmbedmentVariant, LoadsOnTheTipAndRowsBelowTheNewTip) {
    // The anchored example with a load on its tip node and a spring from node 36 down.
    const QString source = m_dir.filePath(QStringLiteral("loaded.kd5d"));
    {
        TProjectTables tables;
        TProgramData project(tables);
        ASSERT_EQ(ProjectFiles::open(project, Example("tieback_specified_deflection.kd5d"),
                                     TFileLayout::Current),
                  QString());
        project.options.concentratedLoads = true;
        project.options.lateralSprings = true;
        TGridTable& loads = tables.table(TableName::BoundCond);
        loads.setInteger(1, 0, 40);
        loads.setInteger(2, 0, 40);
        TGridTable& springs = tables.table(TableName::SoilStrength);
        springs.setRowCount(2);
        springs.setInteger(1, 0, 0);
        springs.setInteger(2, 0, 0);
        springs.setInteger(1, 1, 36);
        springs.setInteger(2, 1, 40);
        ProjectFiles::saveAs(project, source);
    }
    const QString target = m_dir.filePath(QStringLiteral("variant.kd5d"));
    WriteEmbedmentVariant(source, target, 32);
    ASSERT_EQ(ProjectFiles::open(m_project, target, TFileLayout::Current), QString());
    TGridTable& loads = Table(TableName::BoundCond);
    EXPECT_EQ(loads.integer(1, 0), 32);
    EXPECT_EQ(loads.integer(2, 0), 32);
    TGridTable& springs = Table(TableName::SoilStrength);
    ASSERT_TRUE(m_project.options.lateralSprings);
    EXPECT_EQ(springs.rowCount(), 1);  // the row from node 36 lies below the new tip
    EXPECT_EQ(springs.integer(1, 0), 0);
}

TEST_F(EmbedmentVariant, SoilProfileEndingAboveTheTipIsDeepenedByItsDeepestLayer) {
    Vary("sand_generated.kd5d", 100);  // 600 in = 50 ft
    TGridTable& layers = Table(TableName::NewSoil);
    EXPECT_DOUBLE_EQ(layers.real(1, layers.rowCount() - 1), 50.0);
}

TEST_F(EmbedmentVariant, EveryStageOfAStagedProjectGetsTheSameWall) {
    for (int stage = 1; stage <= 5; ++stage) {
        SCOPED_TRACE(stage);
        Vary("five_stage_five_layers.kd5d", 300, stage);
        EXPECT_EQ(m_project.wall.increments, 300);
        EXPECT_EQ(Table(TableName::PileSect).integer(1, 0), 300);
    }
}

// The message of the error a range raises.
std::string RangeError(const WallGeometry& wall, const EmbedmentRange& range) {
    try {
        (void)StudiedIncrements(wall, range);
    } catch (const std::invalid_argument& error) {
        return error.what();
    }
    return "no error";
}

TEST(EmbedmentRange, RangesThatCannotBeStudiedSayWhy) {
    const WallGeometry wall{
        .units = 1, .increments = 60, .increment_length = 6.0, .excavation = 180.0};
    WallGeometry flat = wall;
    flat.increment_length = 0.0;
    struct Case {
        WallGeometry wall;
        EmbedmentRange range;
        std::string message;
    };
    const Case cases[] = {
        {wall, {100, 60, 10}, "the range is empty: it starts at 100 in and ends at 60 in"},
        {wall, {60, 100, 0}, "the step must be greater than 0"},
        {wall, {60, 100, -5}, "the step must be greater than 0"},
        {wall, {60, 1e308 * 10, 10}, "the range must be given by finite numbers"},
        {wall, {0, 100, 10}, "embedment 0 in does not reach below the excavation at 180 in"},
        {wall, {-30, 100, 10}, "embedment -30 in does not reach below the excavation at 180 in"},
        {wall,
         {2000, 2300, 300},
         "embedment 2300 in needs 413 increments; the engine holds at most 407"},
        {flat, {60, 100, 10}, "the project's increment length must be greater than 0"},
    };
    for (const Case& c : cases) EXPECT_EQ(RangeError(c.wall, c.range), c.message);
}

TEST(EmbedmentRange, EmbedmentsAreRoundedToWholeIncrementsAndStudiedOnce) {
    const WallGeometry wall{
        .units = 1, .increments = 60, .increment_length = 6.0, .excavation = 180.0};
    EXPECT_EQ(StudiedIncrements(wall, {60, 80, 4}), (std::vector<int>{40, 41, 42, 43}));
    EXPECT_EQ(StudiedIncrements(wall, {2000, 2262, 1000}), (std::vector<int>{363}));
    // A step far below the increment length studies each number of increments once, at once.
    const std::vector<int> fine = StudiedIncrements(wall, {6, 2262, 1e-9});
    ASSERT_EQ(fine.size(), 407u - 31u + 1u);
    EXPECT_EQ(fine.front(), 31);
    EXPECT_EQ(fine.back(), 407);
}

}  // namespace
}  // namespace keldra::studies
