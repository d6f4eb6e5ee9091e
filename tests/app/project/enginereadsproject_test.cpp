// Projects written by the project library and analysed by the engine through keldra-run:
// the two programs must agree on every record of the file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "app/project/projectfiles.h"
#include "projectfixture.h"

namespace {

// The report's last line is padded with blanks.
bool endsTheAnalysis(const QString& report) {
    return report.trimmed().endsWith(QStringLiteral("END OF ANALYSIS"));
}

struct EngineRun {
    int exitCode = -1;
    QString report;
};

EngineRun analyse(TProjectFixture& fixture, const QDir& folder) {
    const QString data = folder.filePath(QStringLiteral("Wall.kd5d"));
    ProjectFiles::saveAs(fixture.project, data);
    QProcess runner;
    runner.start(QStringLiteral(KELDRA_BIN_DIR "/keldra-run"), {data});
    runner.waitForFinished(60000);
    QFile report(folder.filePath(QStringLiteral("Wall.kd5o")));
    EngineRun run{runner.exitCode(), {}};
    if (report.open(QIODevice::ReadOnly)) run.report = QString::fromLatin1(report.readAll());
    return run;
}

// A 20 ft cantilever sheet pile, 10 ft free height, in one deep sand layer with generated
// earth pressure and p-y curves. The project holds inches; the layer table holds feet and pcf
// as its window shows them.
void sandCantilever(TProjectFixture& fixture) {
    fixture.project.wall = {40, 6, 100, 0.00001, 120};
    fixture.project.configuration.activeWidth = 12;
    fixture.project.configuration.resistanceWidth = 12;
    fixture.project.configuration.waterDepthBackfill = 600;
    fixture.project.configuration.waterDepthExcavation = 600;
    fixture.file.stiffness.setRowCount(1);
    fixture.file.stiffness.setInteger(0, 0, 0);
    fixture.file.stiffness.setInteger(1, 0, 40);
    fixture.file.stiffness.setInteger(2, 0, 1);
    fixture.file.stiffness.setReal(3, 0, 8.7e9);
    fixture.file.soilLayers.setRowCount(1);
    fixture.setLayer(fixture.file.soilLayers, 0, kSand, 40, {110, 32, 90, 0}, 0);
}

TEST(EngineReadsProject, GeneratedSandCantileverIsAnalysedAndClosed) {
    QTemporaryDir folder;
    TProjectFixture fixture;
    sandCantilever(fixture);
    const EngineRun run = analyse(fixture, QDir(folder.path()));
    EXPECT_EQ(run.exitCode, 0) << run.report.toStdString();
    EXPECT_TRUE(run.report.contains(
        QStringLiteral("      NUMBER OF INCREMENTS                               =  40\n")));
    EXPECT_TRUE(run.report.contains(
        QStringLiteral("      FREE HEIGHT OF WALL                                = 120.000 IN\n")));
    EXPECT_TRUE(run.report.contains(QStringLiteral("THE SOIL IS A SAND")));
    EXPECT_TRUE(run.report.contains(QStringLiteral("     RESULTS -- ITERATION")));
    EXPECT_FALSE(run.report.contains(QStringLiteral("NOT CLOSED")));
    EXPECT_TRUE(endsTheAnalysis(run.report));
}

TEST(EngineReadsProject, EveryTableAndOptionIsReadInEveryUnitSystem) {
    for (const int units : {kEnglishUnits, kSIUnits, kGenericUnits}) {
        QTemporaryDir folder;
        TProjectFixture fixture;
        fixture.fillEveryTable();
        fixture.project.SetUnits(units);
        const EngineRun run = analyse(fixture, QDir(folder.path()));
        // The engine may judge the made-up wall unsound, but it must read the whole file.
        EXPECT_FALSE(run.report.contains(QStringLiteral("IS NOT A NUMBER"))) << units;
        EXPECT_FALSE(run.report.contains(QStringLiteral("ENDS EARLY"))) << units;
        EXPECT_TRUE(run.report.contains(QStringLiteral("STIFFNESS AND LOAD DATA"))) << units;
        EXPECT_TRUE(endsTheAnalysis(run.report)) << units;
    }
}

}  // namespace
