#include "app/studies/embedment_variant.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <stdexcept>

#include "app/project/constructionstages.h"
#include "app/project/filelayout.h"
#include "app/project/inouterror.h"
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
    // Writes the variant of `source` and reads it back into m_project.
    void VaryFile(const QString& source, int increments) {
        const QString target = m_dir.filePath(QStringLiteral("variant.kd5d"));
        WriteEmbedmentVariant(source, target, increments);
        ASSERT_EQ(ProjectFiles::open(m_project, target, TFileLayout::Current), QString());
    }
    // Saves `example` changed by `change` as a source project of its own.
    QString Changed(const char* example, const std::function<void(TProgramData&)>& change) {
        const QString source = m_dir.filePath(QStringLiteral("source.kd5d"));
        TProjectTables tables;
        TProgramData project(tables);
        EXPECT_EQ(ProjectFiles::open(project, Example(example), TFileLayout::Current), QString());
        change(project);
        ProjectFiles::saveAs(project, source);
        return source;
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
    VaryFile(Changed("tieback_specified_deflection.kd5d",
                     [](TProgramData& project) {
                         project.options.concentratedLoads = true;
                         project.options.lateralSprings = true;
                         TGridTable& loads = project.tables().table(TableName::BoundCond);
                         loads.setInteger(1, 0, 40);
                         loads.setInteger(2, 0, 40);
                         TGridTable& springs = project.tables().table(TableName::SoilStrength);
                         springs.setRowCount(2);
                         springs.setInteger(1, 0, 0);
                         springs.setInteger(2, 0, 0);
                         springs.setInteger(1, 1, 36);
                         springs.setInteger(2, 1, 40);
                     }),
             32);
    TGridTable& loads = Table(TableName::BoundCond);
    EXPECT_EQ(loads.integer(1, 0), 32);
    EXPECT_EQ(loads.integer(2, 0), 32);
    TGridTable& springs = Table(TableName::SoilStrength);
    ASSERT_TRUE(m_project.options.lateralSprings);
    EXPECT_EQ(springs.rowCount(), 1);  // the row from node 36 lies below the new tip
    EXPECT_EQ(springs.integer(1, 0), 0);
}

// A load on the tip node follows a shorter tip also when other loads are given.
TEST_F(EmbedmentVariant, ALoadOnTheTipFollowsAShorterTipBesideOtherLoads) {
    VaryFile(Changed("tieback_specified_deflection.kd5d",
                     [](TProgramData& project) {
                         project.options.concentratedLoads = true;
                         TGridTable& loads = project.tables().table(TableName::BoundCond);
                         loads.setRowCount(2);
                         for (int column : {1, 2}) {
                             loads.setInteger(column, 0, 0);
                             loads.setInteger(column, 1, 40);
                         }
                     }),
             32);
    TGridTable& loads = Table(TableName::BoundCond);
    ASSERT_EQ(loads.rowCount(), 2);
    EXPECT_EQ(loads.integer(1, 1), 32);
    EXPECT_EQ(loads.integer(2, 1), 32);
}

// The SI trapezoid example gives user p-y curves at nodes 26, 30, 35 and 40 (its tip).
TEST_F(EmbedmentVariant, UserPyCurvesBelowAShorterTipAreDroppedAndTheDeepestFollowsALongerOne) {
    struct Case {
        int increments;
        std::vector<int> nodes;
    };
    for (const Case& c : {Case{30, {26, 30}}, Case{33, {26, 30}}, Case{50, {26, 30, 35, 50}}}) {
        SCOPED_TRACE(c.increments);
        Vary("anchored_generated_trapezoid_si.kd5d", c.increments);
        const TGridTable& curves = Table(TableName::PYCurves2);
        std::vector<int> nodes;
        for (int row = 0; row < curves.rowCount(); ++row) nodes.push_back(curves.integer(0, row));
        EXPECT_EQ(nodes, c.nodes);
    }
}

using Rows = std::vector<std::vector<double>>;

Rows RowsOf(const TGridTable& table) {
    Rows rows(table.rowCount());
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < table.columnCount(); ++column)
            rows[row].push_back(table.real(column, row));
    return rows;
}

void SetRows(TGridTable& table, const Rows& rows) {
    table.setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < table.columnCount(); ++column)
            table.setReal(column, row, rows[row][column]);
}

void ExpectRows(const Rows& actual, const Rows& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t row = 0; row < actual.size(); ++row) {
        ASSERT_EQ(actual[row].size(), expected[row].size());
        for (std::size_t column = 0; column < actual[row].size(); ++column)
            EXPECT_NEAR(actual[row][column], expected[row][column], 1e-9)
                << "row " << row << ", column " << column;
    }
}

// A shorter wall cuts a load profile at its tip, values interpolated between
// the rows around the tip; a longer one continues the deepest load below the
// old tip, so the profile along the old wall stays. The anchored example is
// SI: 40 increments of 0.25 m, tip at 10 m.
TEST_F(EmbedmentVariant, DistributedLoadsAreCutAtAShorterTipAndContinuedBelowALongerOne) {
    struct Case {
        const char* name;
        Rows source;
        int increments;
        Rows expected;
    };
    const Case cases[] = {
        {"linear load cut between rows", {{0, 0}, {10, 100}}, 32, {{0, 0}, {8, 80}}},
        {"cut between inner rows",
         {{0, 0}, {6, 60}, {9, 30}, {10, 100}},
         32,
         {{0, 0}, {6, 60}, {8, 40}}},
        {"a row at the new tip ends the table",
         {{0, 0}, {8, 50}, {10, 100}},
         32,
         {{0, 0}, {8, 50}}},
        {"a table ending above the new tip stays",
         {{0, 0}, {6.5, 38.6}},
         32,
         {{0, 0}, {6.5, 38.6}}},
        {"the deepest load continues", {{0, 0}, {10, 100}}, 48, {{0, 0}, {10, 100}, {12, 100}}},
        {"a table ending above the old tip stays",
         {{0, 0}, {6.5, 38.6}},
         48,
         {{0, 0}, {6.5, 38.6}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VaryFile(Changed("tieback_specified_deflection.kd5d",
                         [&](TProgramData& project) {
                             SetRows(project.tables().table(TableName::DistLoad), c.source);
                         }),
                 c.increments);
        ExpectRows(RowsOf(Table(TableName::DistLoad)), c.expected);
    }
}

// The dry-sand example is English: depths in feet, 60 increments of 6 in, tip at 30 ft.
TEST_F(EmbedmentVariant, PyModificationFactorsAreCutInTheTableUnit) {
    const QString source = Changed("sand_generated.kd5d", [](TProgramData& project) {
        project.options.pyModification = true;
        SetRows(project.tables().table(TableName::PYMod), {{0, 1, 1}, {30, 0.5, 2}});
    });
    VaryFile(source, 48);  // 24 ft
    ExpectRows(RowsOf(Table(TableName::PYMod)), {{0, 1, 1}, {24, 0.6, 1.8}});
    VaryFile(source, 70);  // 35 ft
    ExpectRows(RowsOf(Table(TableName::PYMod)), {{0, 1, 1}, {30, 0.5, 2}, {35, 0.5, 2}});
}

// The anchored example holds its wall by a tieback at 1.5 m (node 6).
TEST_F(EmbedmentVariant, ATiebackOnTheTipFollowsItAndOneBelowAShorterTipIsRefused) {
    const auto tiebackAt = [&](double depth, bool on = true) {
        return Changed("tieback_specified_deflection.kd5d", [=](TProgramData& project) {
            project.options.tieback = on;
            project.tables().table(TableName::TiebackTable1).setReal(0, 0, depth);
        });
    };
    VaryFile(tiebackAt(1.5), 24);
    EXPECT_DOUBLE_EQ(Table(TableName::TiebackTable1).real(0, 0), 1.5);
    for (int increments : {32, 48}) {
        VaryFile(tiebackAt(10.0), increments);
        EXPECT_DOUBLE_EQ(Table(TableName::TiebackTable1).real(0, 0), increments * 0.25);
    }
    const QString deep = tiebackAt(9.0);
    try {
        WriteEmbedmentVariant(deep, m_dir.filePath(QStringLiteral("short.kd5d")), 32);
        ADD_FAILURE() << "a tieback below the tip was accepted";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("the tieback of row 1 at 9 m lies below the wall's tip at 8 m"));
    }
    // A tieback that is not applied holds nothing.
    VaryFile(tiebackAt(9.0, false), 32);
    EXPECT_EQ(m_project.wall.increments, 32);
}

// In a study the refused wall is a row without results that says why; the others run.
TEST_F(EmbedmentVariant, AStudiedWallShorterThanItsTiebackIsARowThatSaysWhy) {
    const QString source = Changed("tieback_specified_deflection.kd5d", [](TProgramData& project) {
        project.tables().table(TableName::TiebackTable1).setReal(0, 0, 9.0);
    });
    // The excavation is at 6.5 m: tips at 8 m (32 increments) and 10 m (40).
    const EmbedmentStudy study =
        RunEmbedmentStudy(source, m_dir.path(), {1.5, 3.5, 2.0},
                          {.jobs = 2, .library = KELDRA_BIN_DIR "/libKeldraEngine.so"});
    ASSERT_EQ(study.rows.size(), 2u);
    EXPECT_FALSE(study.rows[0].closed);
    EXPECT_EQ(study.rows[0].failure,
              "the tieback of row 1 at 9 m lies below the wall's tip at 8 m");
    EXPECT_EQ(study.rows[0].project, QStringLiteral("source-ninc32.kd5d"));
    EXPECT_EQ(study.rows[1].failure, "");
    EXPECT_GT(study.rows[1].iterations, 0);
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
