#include <gtest/gtest.h>

#include "app/project/projectreader.h"
#include "app/project/projectwriter.h"
#include "projectfixture.h"

namespace {

struct TLayoutCase {
    const char* file;
    TFileLayout layout;
    const char* expected;
};

// Each older file, read in its layout and written again, gives the current layout by hand.
TEST(OlderLayouts, ReadAndWrittenInTheCurrentLayout) {
    const TLayoutCase cases[] = {
        {"oldest.kdd", TFileLayout::Oldest, "oldest.expected.kd5d"},
        {"release30.kdd", TFileLayout::Release30, "release30.expected.kd5d"},
        {"release2013.kd4d", TFileLayout::Release2013, "release2013.expected.kd5d"},
    };
    for (const TLayoutCase& c : cases) {
        SCOPED_TRACE(c.file);
        const QByteArray old = fixtureFile(c.file);
        ASSERT_FALSE(old.isEmpty());
        TProjectFixture fixture;
        ASSERT_EQ(TProjectReader::readProjectFile(fixture.project, old, c.layout), "");
        EXPECT_EQ(crlfLines(TProjectWriter(fixture.project).projectFile()),
                  crlfLines(fixtureFile(c.expected)));
    }
}

TEST(OlderLayouts, OldestLayoutLayersAndLegacySurcharges) {
    TProjectFixture fixture;
    ASSERT_EQ(TProjectReader::readProjectFile(fixture.project, fixtureFile("oldest.kdd"),
                                              TFileLayout::Oldest),
              "");
    const TGridTable& layers = fixture.file.soilLayers;
    EXPECT_EQ(layers.real(SoilLayerColumn::kDepth, 0), 120.0);
    EXPECT_EQ(layers.real(SoilLayerColumn::kDepth, 1), 360.0);
    const TGridTable& clay = *layers.subTable(SoilLayerColumn::kParameters, 1);
    EXPECT_EQ(clay.real(1, 0), 1440.0);
    EXPECT_EQ(clay.real(1, 1), 1440.0);
    EXPECT_EQ(fixture.project.configuration.activePressureFactor, 1.0);
    EXPECT_TRUE(fixture.project.options.additionalSurcharge);
    EXPECT_EQ(fixture.file.surcharges.rowCount(), 3);
    EXPECT_FALSE(fixture.project.options.shortAndLongTerm);
    EXPECT_EQ(fixture.project.stages.count, 1);
}

TEST(OlderLayouts, LegacySurchargeDistancesBecomeMillimetresInSI) {
    TProjectFixture fixture;
    const QByteArray text =
        "SI wall\r\n2 0\t1\t0\t2\t2 0\r\n20 0.5\t0.5\t1E-5\t5\r\n0\t20\t1\t50000\r\n0\r\n0\r\n"
        "5\t2\t1\t1\t9\t1\t1\t0\r\n10\t3\t50\t20\t8\t1.5\r\n1\r\n4 10\r\n18 0.0 30 0.0 20000\r\n";
    ASSERT_EQ(TProjectReader::readProjectFile(fixture.project, text, TFileLayout::Oldest), "");
    const TGridTable& surcharges = fixture.file.surcharges;
    ASSERT_EQ(surcharges.rowCount(), 3);
    const double magnitudes[] = {50, 20, 8};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(surcharges.integer(SurchargeColumn::kLoadType, row), row + 1);
        EXPECT_EQ(surcharges.real(SurchargeColumn::kMagnitude, row), magnitudes[row]);
        EXPECT_EQ(surcharges.real(SurchargeColumn::kDistance, row), 3000.0);
        EXPECT_EQ(surcharges.real(SurchargeColumn::kWidth, row), 1500.0);
    }
}

TEST(OlderLayouts, LegacyValuesWithoutDistanceBuildNoTable) {
    TProjectFixture fixture;
    const QByteArray text = fixtureFile("oldest.kdd").replace("0.1\t24\t1000", "0.1\t0\t1000");
    ASSERT_EQ(TProjectReader::readProjectFile(fixture.project, text, TFileLayout::Oldest), "");
    EXPECT_FALSE(fixture.project.options.additionalSurcharge);
    EXPECT_EQ(fixture.file.surcharges.rowCount(), 1);
}

TEST(OlderLayouts, Release30CurvesHaveUnitMultipliersAndTheLongTermBlockIsRead) {
    TProjectFixture fixture;
    ASSERT_EQ(TProjectReader::readProjectFile(fixture.project, fixtureFile("release30.kdd"),
                                              TFileLayout::Release30),
              "");
    EXPECT_EQ(fixture.file.pyCurveSets.real(PyCurveSetColumn::kPMultiplier, 0), 1.0);
    EXPECT_EQ(fixture.file.pyCurveSets.real(PyCurveSetColumn::kYMultiplier, 0), 1.0);
    EXPECT_TRUE(fixture.project.options.shortAndLongTerm);
    EXPECT_EQ(fixture.file.longTermSoilLayers.integer(SoilLayerColumn::kType, 0), kSoftClay);
    EXPECT_EQ(fixture.project.configuration.activeWidth, 3.0);
}

TEST(OlderLayouts, FileKindsAndExtensions) {
    EXPECT_EQ(layoutOfFileKind(1), TFileLayout::Current);
    EXPECT_EQ(layoutOfFileKind(2), TFileLayout::Release2013);
    EXPECT_EQ(layoutOfFileKind(3), TFileLayout::Release30);
    EXPECT_EQ(layoutOfFileKind(4), TFileLayout::Oldest);
    EXPECT_EQ(layoutOfFileKind(5), TFileLayout::Oldest);
    EXPECT_EQ(layoutOfFileName("/w/Wall.KD4D"), TFileLayout::Release2013);
    EXPECT_EQ(layoutOfFileName("Wall.kdd"), TFileLayout::Release30);
    EXPECT_EQ(layoutOfFileName("Wall.kd5d"), TFileLayout::Current);
    EXPECT_EQ(layoutOfFileName("Wall.txt"), TFileLayout::Current);
}

}  // namespace
