#include "app/project/projectwriter.h"

#include <gtest/gtest.h>

#include "projectfixture.h"

namespace {

TEST(ProjectWriter, NewProjectFile) {
    TProjectFixture fixture;
    const QByteArray expected =
        "New Wall\r\n"
        "1 0\t1\t0\t2\t2 0 1 0 0\r\n"
        "0 0\t100\t1E-5\t0\t0\r\n"
        "0\t1\t1\t0\r\n"
        "0\r\n"
        "0\r\n"
        "0\t0\t0\t0\t0\t1\t1\t0\r\n"
        "0\t0\t0\t0\t0\t0\r\n"
        "0\r\n"
        "1\r\n"
        "1 0 \r\n"
        "0 0 0.0  0 0 0 \r\n"
        "0 0 0.0  0 0 0 \r\n"
        "0\r\n";
    EXPECT_EQ(TProjectWriter(fixture.project).projectFile(), expected);
}

TEST(ProjectWriter, TitleStaysOneLine) {
    TProjectFixture fixture;
    fixture.project.title = "Two\r\nlines";
    EXPECT_EQ(crlfLines(TProjectWriter(fixture.project).projectFile()).first(), "Two  lines");
}

TEST(ProjectWriter, SandParameterLinesInEnglishUnits) {
    TProjectFixture fixture;
    fixture.setLayer(fixture.file.soilLayers, 0, kSand, 12, {108, 35, 90, 0}, 0);
    const QStringList lines = crlfLines(TProjectWriter(fixture.project).projectFile());
    const qsizetype layer = lines.indexOf("4 144 ");
    ASSERT_GT(layer, 0);
    EXPECT_EQ(lines[layer + 1], "0.0625 0.0  35 0.0  90 0 ");
    EXPECT_EQ(lines[layer + 2], "0.0625 0.0  35 0.0  90 0 ");
}

TEST(ProjectWriter, ShownFeetBecomeInchesOnlyInEnglishUnits) {
    struct Case {
        int units;
        const char* row;
    };
    for (const Case& c : {Case{kEnglishUnits, "120\t1\t1"}, Case{kSIUnits, "10\t1\t1"},
                          Case{kGenericUnits, "10\t1\t1"}}) {
        TProjectFixture fixture;
        fixture.project.SetUnits(c.units);
        fixture.project.options.pyModification = true;
        fixture.file.pyModification.setReal(0, 0, 10);
        const QStringList lines = crlfLines(TProjectWriter(fixture.project).projectFile());
        EXPECT_EQ(lines[1], QString::number(c.units) + " 0\t1\t2\t2\t2 0 1 0 0");
        EXPECT_EQ(lines[6], c.row) << c.units;
    }
}

TEST(ProjectWriter, SwitchedOffOptionsEmptyTheirTables) {
    TProjectFixture fixture;
    fixture.fillEveryTable();
    fixture.project.options.concentratedLoads = false;
    fixture.project.options.restraints = false;
    fixture.project.options.tieback = false;
    const QStringList lines = crlfLines(TProjectWriter(fixture.project).projectFile());
    EXPECT_EQ(fixture.file.concentratedLoads.rowCount(), 0);
    EXPECT_EQ(fixture.file.restraints.rowCount(), 0);
    EXPECT_EQ(fixture.file.tiebacks.rowCount(), 0);
    EXPECT_EQ(lines[1], "1 0\t3\t3\t2\t2 2 1 1 0");
    EXPECT_EQ(lines[6], "0");  // A6 count after the three stiffness rows
    EXPECT_EQ(fixture.project.settled.tiebackRows, 0);
    EXPECT_EQ(fixture.project.settled.momentEISets, 1);
}

TEST(ProjectWriter, LastStiffnessRowIsConstant) {
    TProjectFixture fixture;
    fixture.fillEveryTable();
    (void)TProjectWriter(fixture.project).projectFile();
    EXPECT_EQ(fixture.file.stiffness.integer(StiffnessColumn::kChoice, 2), 1);
    EXPECT_EQ(fixture.file.stiffness.integer(StiffnessColumn::kChoice, 1), 2);
}

TEST(ProjectWriter, SettledEarthPressureAndPyOptions) {
    struct Case {
        int selection;
        bool generate;
        bool memory;
        bool external;
        int earthPressure;
        int py;
    };
    const Case cases[] = {
        {1, true, false, false, 1, 2}, {2, true, false, false, 2, 2},
        {3, true, false, true, 3, 2},  {3, false, true, false, 3, 0},
        {3, false, false, true, 0, 1}, {2, false, false, false, 0, 0},
    };
    for (const Case& c : cases) {
        TProjectFixture fixture;
        fixture.project.options.earthPressure = c.selection;
        fixture.project.options.generatePyCurves = c.generate;
        fixture.project.options.generatedPressureMemory = c.memory;
        fixture.project.options.externalPyCurves = c.external;
        (void)TProjectWriter(fixture.project).projectFile();
        EXPECT_EQ(fixture.project.settled.earthPressureOption, c.earthPressure) << c.selection;
        EXPECT_EQ(fixture.project.settled.pyOption, c.py) << c.selection;
    }
}

TEST(ProjectWriter, LongTermBlockUsesItsOwnTablesAndDropsTheCoefficient) {
    TProjectFixture fixture;
    fixture.fillEveryTable();
    fixture.project.options.shortAndLongTerm = true;
    fixture.project.options.earthPressure = kTrapezoidalPressure;
    const QStringList lines = crlfLines(TProjectWriter(fixture.project).projectFile());
    const qsizetype second = lines.lastIndexOf(fixture.project.title);
    ASSERT_GT(second, 0);
    EXPECT_EQ(lines[second - 1], "9");
    EXPECT_EQ(lines.last(), "0");
    EXPECT_EQ(lines[1], "1 2\t3\t3\t3\t2 2 1 1 2");
    EXPECT_EQ(lines[second + 1], "1 2\t3\t3\t2\t2 2 1 1 2");
    // The long-term soft clay layer at 15 ft: its lines end in the placeholder.
    const qsizetype layer = lines.indexOf("1 180 ", second);
    ASSERT_GT(layer, second);
    EXPECT_EQ(lines[layer + 1], "0.060763889 3.4722222 0.0  0.02 30 0.0  ");
}

}  // namespace
