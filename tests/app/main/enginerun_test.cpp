// Runs the analysis engine from the main window on an example project.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "app/project/programdata.h"
#include "mainformfixture.h"

namespace {

const QString kCompleted =
    "Computations are completed. Please, check output file for results or error messages.";

}  // namespace

TEST(EngineRun, AnExampleProjectRunsEndToEnd) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    ASSERT_TRUE(QFileInfo::exists(programFolder + "/libKeldraEngine.so"));
    TMainFormFixture f(programFolder);
    const QString project = f.path("Cantilever.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/cantilever_user_curves.kd5d", project));

    ASSERT_TRUE(f.form->openFileByName(project, TFileLayout::Current));
    EXPECT_EQ(f.log.messages,
              QStringList{"Data file: Cantilever.kd5d, has been read by KELDRA 2015"});
    EXPECT_EQ(f.form->windowTitle(), "KELDRA 2015.5.6 - Cantilever.kd5d");
    EXPECT_FALSE(f.form->actions().editOutput->isEnabled());

    f.form->runAnalysis();
    ASSERT_EQ(f.log.messages.size(), 2);
    EXPECT_EQ(f.log.messages.last(), kCompleted);
    for (const char* suffix : {".kd5o", ".kd5p", ".kd5r"})
        EXPECT_TRUE(QFileInfo::exists(f.path(QString("Cantilever") + suffix))) << suffix;
    EXPECT_FALSE(QFileInfo::exists(programFolder + "/NAMES.dat"));
    EXPECT_EQ(QDir::currentPath(), programFolder);  // the run's folder stays current

    QFile report(f.path("Cantilever.kd5o"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_TRUE(report.readAll().contains("Cantilever sheet-pile wall"));
    EXPECT_TRUE(f.form->actions().editOutput->isEnabled());
    EXPECT_TRUE(f.form->actions().editRunNotes->isEnabled());
    EXPECT_TRUE(f.form->actions().viewOutputButton->isEnabled());
}

TEST(EngineRun, AFailedInputCheckStopsTheRun) {
    TMainFormFixture f(QCoreApplication::applicationDirPath());
    f.form->session().project().files.fileName = f.path("Short.kd5d");
    // The default wall has no increments, so the default stiffness row ends past the last node.
    f.form->runAnalysis();
    ASSERT_EQ(f.log.warnings.size(), 1);
    EXPECT_TRUE(f.log.warnings.first().startsWith("End Node, 1 in row 1"));
    EXPECT_FALSE(QFileInfo::exists(f.path("Short.kd5o")));
}

namespace {

QString fixtureEngineFolder(const char* engine) {
    return QString(KELDRA_FIXTURE_LIBS) + "/" + engine;
}

// A saved project with a wall that passes the input checks.
void prepareProject(TMainFormFixture& f, const QString& name) {
    f.form->session().project().files.fileName = f.path(name);
    f.giveSoundWall();
}

}  // namespace

TEST(EngineRun, TheNamesFileNamesTheProjectAndItsOutputFiles) {
    const QString programFolder = fixtureEngineFolder("recording");
    TMainFormFixture f(programFolder);
    prepareProject(f, "Pit.kd5d");
    QFile::remove(programFolder + "/NAMES.seen");
    f.form->runAnalysis();
    EXPECT_EQ(f.log.messages, QStringList{kCompleted});

    QFile seen(programFolder + "/NAMES.seen");
    ASSERT_TRUE(seen.open(QIODevice::ReadOnly));
    const QString stem = f.path("Pit");
    EXPECT_EQ(
        QString::fromLocal8Bit(seen.readAll()),
        "2015.5.6\n" + stem + ".kd5d\n" + stem + ".kd5o\n" + stem + ".kd5p\n" + stem + ".kd5r\n");
    EXPECT_FALSE(QFileInfo::exists(programFolder + "/NAMES.dat"));
}

TEST(EngineRun, AnEngineOfAnotherReleaseIsReported) {
    TMainFormFixture f(fixtureEngineFolder("inconsistent"));
    prepareProject(f, "Pit.kd5d");
    f.form->runAnalysis();
    ASSERT_EQ(f.log.messages.size(), 1);
    EXPECT_TRUE(f.log.messages.first().startsWith(
        "Computations can not be performed. Executable files are not consistent.\n"
        "You may need to reinstall the program.\n"));
}

TEST(EngineRun, ALibraryWithoutTheEntryIsReported) {
    TMainFormFixture f(fixtureEngineFolder("entryless"));
    prepareProject(f, "Pit.kd5d");
    f.form->runAnalysis();
    EXPECT_EQ(f.log.messages, QStringList{"Attempt to initialize DLL failed"});
    EXPECT_TRUE(f.log.details.first().contains("_IKELDRA"));
}

TEST(EngineRun, AStagedExampleRunsEveryStage) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    TMainFormFixture f(programFolder);
    const QString project = f.path("Staged.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/two_stage.kd5d", project));
    ASSERT_TRUE(f.form->openFileByName(project, TFileLayout::Current));
    ASSERT_EQ(f.form->session().stageCount(), 2);
    f.form->selectStage(2);

    f.form->runAnalysis();
    EXPECT_EQ(f.log.messages.last(), kCompleted);
    QFile report(f.path("Staged.kd5o"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QByteArray text = report.readAll();
    EXPECT_TRUE(text.contains("Stage No : 1"));
    EXPECT_TRUE(text.contains("Stage No : 2"));
    EXPECT_FALSE(QFileInfo::exists(programFolder + "/NAMES.dat"));
    EXPECT_EQ(f.form->session().currentStage(), 2);  // the run keeps the stage shown
}
