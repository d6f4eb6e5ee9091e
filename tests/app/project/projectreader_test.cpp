#include "app/project/projectreader.h"

#include <gtest/gtest.h>

#include "app/project/projectwriter.h"
#include "projectfixture.h"

namespace {

QByteArray written(TProgramData& project) { return TProjectWriter(project).projectFile(); }

// Writes the project, reads the file into a new project and writes that again.
void expectRoundTrip(TProjectFixture& source) {
    const QByteArray first = written(source.project);
    TProjectFixture target;
    ASSERT_EQ(TProjectReader::readProjectFile(target.project, first, TFileLayout::Current), "");
    EXPECT_FALSE(target.project.IsModified());
    EXPECT_EQ(written(target.project), first);
}

TEST(ProjectReader, RoundTripsGiveIdenticalBytesInEveryUnitSystem) {
    struct Case {
        int selection;
        bool longTerm;
    };
    for (const int units : {1, 2, 3}) {
        for (const Case c : {Case{kUserSpecifiedPressure, true}, Case{kTrapezoidalPressure, false},
                             Case{kTriangularPressure, true}}) {
            SCOPED_TRACE(testing::Message() << "units " << units << " selection " << c.selection);
            TProjectFixture source;
            source.project.SetUnits(units);
            source.fillEveryTable();
            source.project.options.earthPressure = c.selection;
            source.project.options.shortAndLongTerm = c.longTerm;
            expectRoundTrip(source);
        }
    }
}

TEST(ProjectReader, RoundTripOfANewProjectAndOfExternalCurvesOnly) {
    TProjectFixture fresh;
    expectRoundTrip(fresh);

    TProjectFixture external;
    external.fillEveryTable();
    external.project.options.generatePyCurves = false;
    external.project.options.earthPressure = kUserSpecifiedPressure;
    expectRoundTrip(external);
}

TEST(ProjectReader, ReadsValuesAndSwitchesBack) {
    TProjectFixture source;
    source.project.SetUnits(kSIUnits);
    source.fillEveryTable();
    source.project.options.earthPressure = kTrapezoidalPressure;
    TProjectFixture target;
    ASSERT_EQ(TProjectReader::readProjectFile(target.project, written(source.project),
                                              TFileLayout::Current),
              "");
    const TProgramData& project = target.project;
    EXPECT_EQ(project.title, "Anchored wall, every table");
    EXPECT_EQ(project.units(), kSIUnits);
    EXPECT_EQ(project.wall.increments, 60);
    EXPECT_EQ(project.wall.closureTolerance, 0.00025);
    EXPECT_EQ(project.configuration.carriedInteger, 3);
    EXPECT_EQ(project.configuration.backfillSlope, -12.5);
    EXPECT_EQ(project.configuration.legacy.stripWidth, 5.5);
    EXPECT_EQ(project.options.earthPressure, kTrapezoidalPressure);
    EXPECT_TRUE(project.options.generatePyCurves && project.options.generatedPressureMemory &&
                project.options.concentratedLoads && project.options.tieback &&
                project.options.restraints && project.options.externalPyCurves &&
                project.options.lateralSprings && project.options.pyModification &&
                project.options.additionalSurcharge && project.options.momentEI);
    EXPECT_FALSE(project.options.shortAndLongTerm);
    EXPECT_EQ(target.file.soilLayers.integer(SoilLayerColumn::kType, 1), kSilt);
    const TGridTable& silt = *target.file.soilLayers.subTable(SoilLayerColumn::kParameters, 1);
    EXPECT_EQ(silt.caption(), "Silt");
    EXPECT_EQ(silt.real(1, 1), 29.0);   // friction angle, bottom
    EXPECT_EQ(silt.real(2, 0), 300.0);  // cohesion, top
    const TGridTable& curve = *target.file.pyCurveSets.subTable(PyCurveSetColumn::kCurve, 1);
    EXPECT_EQ(curve.rowCount(), 4);
    EXPECT_EQ(curve.real(1, 0), 2000.0);
}

TEST(ProjectReader, EnglishValuesReturnToTheUnitsShown) {
    TProjectFixture source;
    source.fillEveryTable();
    source.project.options.earthPressure = kUserSpecifiedPressure;
    TProjectFixture target;
    ASSERT_EQ(TProjectReader::readProjectFile(target.project, written(source.project),
                                              TFileLayout::Current),
              "");
    EXPECT_DOUBLE_EQ(target.file.soilLayers.real(SoilLayerColumn::kDepth, 1), 20.5);  // ft
    // Unit weights and cohesions pass through 8 significant digits of pci and psi.
    const TGridTable& sand = *target.file.soilLayers.subTable(SoilLayerColumn::kParameters, 0);
    EXPECT_NEAR(sand.real(0, 0), 110.0, 1e-5);  // pcf
    const TGridTable& clay = *target.file.soilLayers.subTable(SoilLayerColumn::kParameters, 2);
    EXPECT_NEAR(clay.real(1, 1), 2002.0, 1e-4);                        // psf
    EXPECT_DOUBLE_EQ(target.file.distributedLoads.real(1, 2), 207.0);  // lb/ft
    EXPECT_DOUBLE_EQ(target.file.tiebacks.real(0, 1), 10.0);           // ft, as written
}

TEST(ProjectReader, ErrorKeepsWhatWasReadAndLeavesAUsableProject) {
    TProjectFixture fixture;
    fixture.file.concentratedLoads.setRowCount(4);
    const QString message = TProjectReader::readProjectFile(
        fixture.project, "Letters\r\n2 0\t1\t0\t2\t2 0 1 0 0\r\n10 x\t100\t1E-5\t0\t0\r\n",
        TFileLayout::Current);
    EXPECT_EQ(message,
              "Error on Line 3 Item 2\rA floating point number was expected but not found.");
    EXPECT_EQ(fixture.project.title, "Letters");
    EXPECT_EQ(fixture.project.units(), kSIUnits);
    EXPECT_EQ(fixture.project.wall.increments, 10);
    EXPECT_EQ(fixture.project.wall.incrementLength, 0.0);
    EXPECT_FALSE(fixture.project.IsModified());
    EXPECT_EQ(fixture.file.stiffness.rowCount(), 1);
}

TEST(ProjectReader, IncompleteFileFillsEmptyTables) {
    TProjectFixture source;
    source.fillEveryTable();
    QByteArray text = written(source.project);
    text.truncate(text.indexOf("\r\n2\t4\t8\t1500"));
    ASSERT_GT(text.size(), 0);  // ends after the concentrated-load count
    TProjectFixture target;
    EXPECT_EQ(TProjectReader::readProjectFile(target.project, text, TFileLayout::Current),
              "This file either invalid or incomplete.");
    EXPECT_EQ(target.file.stiffness.rowCount(), 3);
    EXPECT_EQ(target.file.concentratedLoads.rowCount(), 1);
    EXPECT_EQ(target.file.pyModification.rowCount(), 2);
    EXPECT_FALSE(target.project.IsModified());
}

TEST(ProjectReader, BadCountsAndChoicesGetAClearMessage) {
    struct Case {
        QByteArray a5;
        const char* message;
    };
    const Case cases[] = {
        {"0\t1\t3\t0", "Error on Line 4 Item 3\rA choice from 1 to 2 was expected but not found."},
        {"0\t1.5\t1\t0", "Error on Line 4 Item 2\rAn integer was expected but not found."},
    };
    for (const Case& c : cases) {
        TProjectFixture fixture;
        EXPECT_EQ(TProjectReader::readProjectFile(
                      fixture.project, "T\r\n1 0\t1\t0\t2\t2 0 1 0 0\r\n0 0\t1\t1\t1\t1\r\n" + c.a5,
                      TFileLayout::Current),
                  c.message);
    }
    TProjectFixture option;
    EXPECT_EQ(TProjectReader::readProjectFile(option.project,
                                              "T\r\n1 0\t1\t0\t4\t2 0 1 0 0\r\n0 0\t1\t1\t1\t1\r\n",
                                              TFileLayout::Current),
              "Error on Line 2 Item 5\rAn option from 0 to 3 was expected but not found.");
    TProjectFixture huge;
    EXPECT_EQ(TProjectReader::readProjectFile(
                  huge.project, "T\r\n1 0\t2000000000\t0\t2\t2 0 1 0 0\r\n", TFileLayout::Current),
              "This file either invalid or incomplete.");
}

TEST(ProjectReader, MisplacedWaterWeightBecomesTheUnitFactor) {
    TProjectFixture source;
    source.project.configuration.activePressureFactor = 0.036;
    TProjectFixture target;
    ASSERT_EQ(TProjectReader::readProjectFile(target.project, written(source.project),
                                              TFileLayout::Current),
              "");
    EXPECT_EQ(target.project.configuration.activePressureFactor, 1.0);
}

TEST(ProjectReader, WidthOfTheGridIsKeptWithoutTheWallConfigurationRecord) {
    TProjectFixture source;
    source.project.options.earthPressure = kUserSpecifiedPressure;
    source.project.options.generatePyCurves = false;
    source.project.options.tieback = true;
    source.project.configuration.activeWidth = 48;
    expectRoundTrip(source);
}

TEST(ProjectReader, TablesWithFewerRowsThanTheirMinimumKeepTheirRows) {
    TProjectFixture source;
    source.project.options.externalPyCurves = true;
    source.project.options.pyModification = true;
    source.file.pyCurveSets.setRowCount(1);
    source.file.pyModification.setRowCount(1);
    source.file.pyModification.setReal(1, 0, 0.5);
    const QByteArray text = written(source.project);
    TProjectFixture target;
    ASSERT_EQ(TProjectReader::readProjectFile(target.project, text, TFileLayout::Current), "");
    EXPECT_EQ(target.file.pyCurveSets.rowCount(), 1);
    EXPECT_EQ(target.file.pyModification.rowCount(), 1);
    EXPECT_EQ(written(target.project), text);
}

TEST(ProjectReader, StageFileCarriesItsNumberAndKeepsTheProjectTitle) {
    TProjectFixture source;
    source.project.stages = {3, 2};
    const QStringList lines = crlfLines(TProjectWriter(source.project).stageFile());
    EXPECT_EQ(lines.first(), " Stage No : 2");
    EXPECT_EQ(lines[1], "1 0\t1\t0\t2\t2 0 3 0 0");
    EXPECT_EQ(lines.last(), "2");

    TProjectFixture target;
    target.project.title = "Staged wall";
    ASSERT_EQ(
        TProjectReader::readStageFile(target.project, TProjectWriter(source.project).stageFile()),
        "");
    EXPECT_EQ(target.project.title, "Staged wall");
    EXPECT_EQ(target.project.stages.count, 3);
}

TEST(ProjectReader, StageFileSwitches) {
    struct Case {
        int earthPressure;
        bool memoryBefore;
        bool memoryAfter;
        int closing;
        bool longTerm;
    };
    const Case cases[] = {
        {2, false, true, 1, false}, {3, true, true, 9, true},   {3, false, false, 1, false},
        {1, true, false, 1, false}, {0, true, false, 1, false},
    };
    for (const Case& c : cases) {
        TProjectFixture fixture;
        fixture.project.options.generatedPressureMemory = c.memoryBefore;
        const QByteArray text =
            "S\r\n1 0\t1\t0\t" + QByteArray::number(c.earthPressure) +
            "\t0 0 2 0 0\r\n0 0\t1\t1\t1\t1\r\n0\t1\t1\t0\r\n0\r\n0\r\n" +
            (c.earthPressure == 1 ? "0\r\n" : "") +
            (c.earthPressure >= 2 ? "1\t1\t1\t1\t1\t1\t1\t1\r\n1\t1\t1\t1\t1\t1\r\n0\r\n0\r\n"
                                  : "") +
            QByteArray::number(c.closing) + "\r\n";
        ASSERT_EQ(TProjectReader::readStageFile(fixture.project, text), "") << c.earthPressure;
        EXPECT_EQ(fixture.project.options.generatedPressureMemory, c.memoryAfter)
            << c.earthPressure;
        EXPECT_EQ(fixture.project.options.shortAndLongTerm, c.longTerm) << c.earthPressure;
    }
}

}  // namespace
