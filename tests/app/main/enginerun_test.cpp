// Runs the analysis engine from the main window on an example project.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include "app/main/reportviewer.h"
#include "app/project/programdata.h"
#include "mainformfixture.h"

namespace {

const QString kCompleted =
    "Computations are completed. Please, check output file for results or error messages.";
// The projects of the recording engine have no generated p-y curves to check.
const QString kNotGenerated =
    "\n\nSubdivision check: not applicable (the p-y curves are not generated from the soil "
    "layers)";

// The files the engine makes in its current folder, with their times: a run
// must leave them as they were in the program's folder.
QStringList scratchFilesIn(const QString& folder) {
    QStringList found;
    for (const char* name : {"NAMES.dat", "NAMES.seen", "TORVAL.001", "SOILDATA", "debug.dat"}) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.exists() || file.isSymLink())
            found << file.fileName() + " " + file.lastModified().toString(Qt::ISODateWithMs);
    }
    return found;
}

QString canonical(const QString& folder) { return QFileInfo(folder).canonicalFilePath(); }

// Sets an environment variable for the life of a test.
class TScopedVariable {
  public:
    TScopedVariable(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_previous(qgetenv(name)) {
        qputenv(name, value);
    }
    ~TScopedVariable() {
        if (m_had)
            qputenv(m_name, m_previous);
        else
            qunsetenv(m_name);
    }
    TScopedVariable(const TScopedVariable&) = delete;
    TScopedVariable& operator=(const TScopedVariable&) = delete;

  private:
    const char* m_name;
    bool m_had;
    QByteArray m_previous;
};

// Run folders are made in a temporary folder of the test's own, which must
// be empty again after every run.
struct TRunFolders {
    QTemporaryDir base;
    TScopedVariable tmpdir{"TMPDIR", QFile::encodeName(base.path())};

    [[nodiscard]] QStringList left() const {
        return QDir(base.path()).entryList({"keldra-run-*"}, QDir::AllEntries | QDir::Hidden);
    }
};

void writeOlderOutputs(TMainFormFixture& f, const QString& stem) {
    for (const char* suffix : {".kd5o", ".kd5p", ".kd5r"}) {
        QFile older(f.path(stem + suffix));
        ASSERT_TRUE(older.open(QIODevice::WriteOnly));
        older.write("older output\n");
    }
}

}  // namespace

TEST(EngineRun, AnExampleProjectRunsEndToEnd) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    ASSERT_TRUE(QFileInfo::exists(programFolder + "/libKeldraEngine.so"));
    const TRunFolders runFolders;
    TMainFormFixture f(programFolder);
    const QString project = f.path("Cantilever.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/cantilever_user_curves.kd5d", project));

    ASSERT_TRUE(f.form->openFileByName(project, TFileLayout::Current));
    EXPECT_EQ(f.log.messages,
              QStringList{"Data file: Cantilever.kd5d, has been read by KELDRA 2015"});
    EXPECT_EQ(f.form->windowTitle(), "KELDRA 2015.5.6 - Cantilever.kd5d");
    EXPECT_FALSE(f.form->actions().editOutput->isEnabled());

    const QStringList programScratch = scratchFilesIn(programFolder);
    f.form->runAnalysis();
    ASSERT_EQ(f.log.messages.size(), 2);
    EXPECT_EQ(f.log.messages.last(),
              kCompleted +
                  "\n\nSubdivision check: not applicable (the problem has user-specified p-y "
                  "curves)");
    for (const char* suffix : {".kd5o", ".kd5p", ".kd5r"})
        EXPECT_TRUE(QFileInfo::exists(f.path(QString("Cantilever") + suffix))) << suffix;
    EXPECT_EQ(scratchFilesIn(programFolder), programScratch);
    EXPECT_EQ(runFolders.left(), QStringList());
    EXPECT_EQ(canonical(QDir::currentPath()), canonical(f.folder.path()));

    QFile report(f.path("Cantilever.kd5o"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QByteArray text = report.readAll();
    EXPECT_TRUE(text.contains("Cantilever sheet-pile wall"));
    EXPECT_TRUE(text.contains(
        "     Path to file locations      : " + QFile::encodeName(f.folder.path()) + "/\n"));
    EXPECT_TRUE(text.contains("     Name of output file         : Cantilever.kd5o\n"));
    EXPECT_TRUE(f.form->resultsLoaded());
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

// A program folder with the engine of another folder under the engine's name.
struct TProgramFolder {
    explicit TProgramFolder(const QString& engineFolder) {
        EXPECT_TRUE(QFile::link(engineFolder + "/libKeldraEngine.so",
                                folder.filePath("libKeldraEngine.so")));
    }
    QTemporaryDir folder;
};

}  // namespace

TEST(EngineRun, EveryRunWorksInAPrivateFolderOfItsOwn) {
    const QString programFolder = fixtureEngineFolder("recording");
    const QStringList programScratch = scratchFilesIn(programFolder);
    const TRunFolders runFolders;
    TMainFormFixture f(programFolder);
    const TScopedVariable record("KELDRA_FIXTURE_RECORD", QFile::encodeName(f.path("seen")));
    prepareProject(f, "Pit.kd5d");
    f.form->runAnalysis();
    f.form->runAnalysis();
    EXPECT_EQ(f.log.messages,
              (QStringList{kCompleted + kNotGenerated, kCompleted + kNotGenerated}));

    // Each run: the folder the engine ran in, then the names file it read.
    QFile seen(f.path("seen"));
    ASSERT_TRUE(seen.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLocal8Bit(seen.readAll()).split('\n');
    ASSERT_EQ(lines.size(), 13) << lines.join('|').toStdString();
    const QString names = "2015.5.6\n" + f.path("Pit.kd5d") + "\nPit.kd5o\nPit.kd5p\nPit.kd5r";
    for (int run = 0; run < 2; ++run) {
        const QFileInfo folder(lines[6 * run]);
        EXPECT_EQ(canonical(folder.path()), canonical(runFolders.base.path()));
        EXPECT_TRUE(folder.fileName().startsWith("keldra-run-")) << folder.fileName().toStdString();
        EXPECT_FALSE(folder.exists()) << "the run folder is removed after the run";
        EXPECT_EQ(lines.mid(6 * run + 1, 5).join('\n'), names);
    }
    EXPECT_NE(lines[0], lines[6]);
    EXPECT_EQ(runFolders.left(), QStringList());
    EXPECT_EQ(scratchFilesIn(programFolder), programScratch);
    EXPECT_EQ(canonical(QDir::currentPath()), canonical(f.folder.path()));
    for (const char* suffix : {".kd5o", ".kd5p", ".kd5r"})
        EXPECT_TRUE(QFileInfo::exists(f.path(QString("Pit") + suffix))) << suffix;
    EXPECT_TRUE(f.form->resultsLoaded());
}

TEST(EngineRun, AFileLinkedIntoTheProgramFolderIsNeverWrittenThrough) {
    const TProgramFolder program(QCoreApplication::applicationDirPath());
    const TRunFolders runFolders;
    TMainFormFixture f(program.folder.path());
    const QString target = f.path("target");
    {
        QFile kept(target);
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
        kept.write("kept\n");
    }
    for (const char* name : {"SOILDATA", "TORVAL.001", "NAMES.dat"})
        ASSERT_TRUE(QFile::link(target, program.folder.filePath(name)));
    const QString project = f.path("Sand.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/sand_generated.kd5d", project));
    ASSERT_TRUE(f.form->openFileByName(project, TFileLayout::Current));

    f.form->runAnalysis();
    EXPECT_EQ(f.log.messages.last(),
              kCompleted +
                  "\n\nSubdivision check: splitting every soil layer in two changes the top "
                  "deflection by -15 % and the maximum moment by -12 %\n"
                  "Warning: the results depend on how the soil is split into layers by more than "
                  "10 %. The p-y curves of layer 1 (Sand) lie 4.0 wall widths apart near the top. "
                  "Use thinner layers.");
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "kept\n");
    EXPECT_TRUE(f.form->resultsLoaded());
    EXPECT_EQ(runFolders.left(), QStringList());
}

TEST(EngineRun, ARunThatDidNotCompleteLeavesNoResults) {
    const QString withdrawn =
        "No outputs were published; the older outputs of this project were removed, as they came "
        "from other input: Pit.kd5o, Pit.kd5p, Pit.kd5r.";
    const struct {
        const char* engine;
        const char* result;  // of the recording engine
        QString message;
    } cases[] = {
        {"recording", "2",
         "Computations did not complete.\nThe engine could not write its output files completely "
         "(IKELDRA returned 2).\n" +
             withdrawn},
        {"recording", "7",
         "Computations did not complete.\nThe engine ended with a result it does not define "
         "(IKELDRA returned 7).\n" +
             withdrawn},
        {"inconsistent", "0",
         "Computations can not be performed. Executable files are not consistent.\n"
         "You may need to reinstall the program.\n"
         "Install the desktop program and libKeldraEngine.so from the same KELDRA release, in "
         "one folder.\n" +
             withdrawn},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        const TScopedVariable result("KELDRA_FIXTURE_RESULT", c.result);
        const TRunFolders runFolders;
        TMainFormFixture f(fixtureEngineFolder(c.engine));
        prepareProject(f, "Pit.kd5d");
        writeOlderOutputs(f, "Pit");
        f.form->runAnalysis();
        EXPECT_EQ(f.log.messages, QStringList{c.message});
        for (const char* suffix : {".kd5o", ".kd5p", ".kd5r"})
            EXPECT_FALSE(QFileInfo::exists(f.path(QString("Pit") + suffix))) << suffix;
        EXPECT_FALSE(f.form->resultsLoaded());
        EXPECT_FALSE(f.form->actions().editOutput->isEnabled());
        EXPECT_EQ(runFolders.left(), QStringList());
    }
}

TEST(EngineRun, AFailedRunTakesAwayTheResultsOfTheRunBefore) {
    const TRunFolders runFolders;
    TMainFormFixture f(QCoreApplication::applicationDirPath());
    const QString project = f.path("Cantilever.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/cantilever_user_curves.kd5d", project));
    ASSERT_TRUE(f.form->openFileByName(project, TFileLayout::Current));
    f.form->runAnalysis();
    ASSERT_TRUE(f.form->resultsLoaded());
    ASSERT_TRUE(f.form->graphs().pltDef.HasDrawableCurves());

    // The run notes cannot take their place: a folder stands there.
    ASSERT_TRUE(QFile::remove(f.path("Cantilever.kd5r")));
    ASSERT_TRUE(QDir(f.folder.path()).mkdir("Cantilever.kd5r"));
    f.log.messages.clear();
    f.form->runAnalysis();
    EXPECT_EQ(
        f.log.messages,
        QStringList{"Computations did not complete.\nThe output " + f.path("Cantilever.kd5r") +
                    " could not be put in place: Is a directory.\nNo outputs were "
                    "published; the older outputs of this project were removed, as they "
                    "came from other input: Cantilever.kd5o, Cantilever.kd5p; the older "
                    "outputs Cantilever.kd5r could not be removed (Is a directory) and do "
                    "not belong to this run."});
    EXPECT_FALSE(QFileInfo::exists(f.path("Cantilever.kd5o")));
    EXPECT_FALSE(QFileInfo::exists(f.path("Cantilever.kd5p")));
    EXPECT_FALSE(f.form->resultsLoaded());
    for (TGraphPlot* graph : f.form->graphs().all()) EXPECT_FALSE(graph->HasDrawableCurves());
    EXPECT_FALSE(f.form->actions().deflectionMomentShear->isEnabled());
    EXPECT_EQ(runFolders.left(), QStringList());
}

TEST(EngineRun, ACompletedRunTellsWhatDidNotClose) {
    const struct {
        const char* report;
        QString notes;
        QString check;  // none when the run stopped: there is no problem to check
    } cases[] = {
        {"      Wall\n\n     RESULTS -- ITERATION100\n\n"
         "     ***** SOLUTION NOT CLOSED -- NON-FINITE DEFLECTION, MOMENT, SHEAR OR SOIL REACTION "
         "*****\n\n"
         "   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    NET REACT/STA    EI\n"
         "             IN          IN                   LBS-IN        LBS         LBS       "
         "LBS-IN**2\n"
         "   ------    ----        ----       -----      ------      ------    ---------    "
         "----------\n"
         "     0   0.000E+00   0.100E+00   0.000E+00   0.000E+00   0.000E+00   0.000E+00   "
         "0.100E+10\n\n\n\n     END OF ANALYSIS\n",
         "\n\nAnalysis: ***** SOLUTION NOT CLOSED -- NON-FINITE DEFLECTION, MOMENT, SHEAR OR SOIL "
         "REACTION *****",
         kNotGenerated},
        {"      Wall\n echo\n\n\n     ERROR STOP -- STATIONS NOT IN ORDER\n\n\n\n"
         "     END OF ANALYSIS\n",
         "\n\nERROR STOP -- STATIONS NOT IN ORDER",
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        TMainFormFixture f(fixtureEngineFolder("recording"));
        {
            QFile report(f.path("report.txt"));
            ASSERT_TRUE(report.open(QIODevice::WriteOnly));
            report.write(c.report);
        }
        const TScopedVariable report("KELDRA_FIXTURE_REPORT",
                                     QFile::encodeName(f.path("report.txt")));
        prepareProject(f, "Pit.kd5d");
        f.form->runAnalysis();
        EXPECT_EQ(f.log.messages, QStringList{kCompleted + c.notes + c.check});
    }
}

// A run that stops on its input says why in the one message, and its offer opens the report in
// the program's own viewer when no text editor is set.
TEST(EngineRun, AStoppedRunShowsItsCauseAndOpensTheReport) {
    TMainFormFixture f(fixtureEngineFolder("recording"));
    {
        QFile report(f.path("report.txt"));
        ASSERT_TRUE(report.open(QIODevice::WriteOnly));
        report.write(
            "      Wall\n\n\n     ERROR -- THE WALL NEEDS AT LEAST ONE INCREMENT OF "
            "POSITIVE LENGTH\n\n\n\n     END OF ANALYSIS\n");
    }
    const TScopedVariable report("KELDRA_FIXTURE_REPORT", QFile::encodeName(f.path("report.txt")));
    prepareProject(f, "Pit.kd5d");
    f.prompts->takeOffers = {true};
    f.form->runAnalysis();
    EXPECT_EQ(f.log.messages,
              QStringList{kCompleted +
                          "\n\nERROR -- THE WALL NEEDS AT LEAST ONE INCREMENT OF POSITIVE LENGTH"});
    EXPECT_EQ(f.log.offers, QStringList{"Open Report"});
    TReportViewer* viewer = nullptr;
    for (QMdiSubWindow* child : f.form->mdiArea()->subWindowList())
        if (auto* shown = qobject_cast<TReportViewer*>(child->widget())) viewer = shown;
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(QFileInfo(viewer->fileName()).fileName(), "Pit.kd5o");
    EXPECT_TRUE(viewer->goToFirstProblem());
}

TEST(EngineRun, AProjectItsOwnOutputsWouldOverwriteIsNotRun) {
    TMainFormFixture f(fixtureEngineFolder("recording"));
    prepareProject(f, "Pit.kd5p");
    f.prompts->fileNames = {f.path("Pit.kd5p")};  // saved under the plot data's name
    f.form->runAnalysis();
    ASSERT_EQ(f.form->session().fileName(), f.path("Pit.kd5p"));
    EXPECT_EQ(f.log.messages,
              QStringList{"Computations can not be performed.\nThe project file would be "
                          "overwritten by its own outputs (Pit.kd5o, Pit.kd5p, Pit.kd5r): give it "
                          "another extension, such as .kd5d."});
    EXPECT_FALSE(QFileInfo::exists(f.path("Pit.kd5o")));
    QFile project(f.path("Pit.kd5p"));
    ASSERT_TRUE(project.open(QIODevice::ReadOnly));
    EXPECT_GT(project.size(), 0);
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

    const QStringList programScratch = scratchFilesIn(programFolder);
    f.form->runAnalysis();
    EXPECT_EQ(f.log.messages.last(),
              kCompleted +
                  "\n\nStage 1: Subdivision check: not applicable (the problem has user-specified "
                  "p-y curves)\n"
                  "Stage 2: Subdivision check: not applicable (the problem has user-specified p-y "
                  "curves)");
    QFile report(f.path("Staged.kd5o"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QByteArray text = report.readAll();
    EXPECT_TRUE(text.contains("Stage No : 1"));
    EXPECT_TRUE(text.contains("Stage No : 2"));
    EXPECT_EQ(scratchFilesIn(programFolder), programScratch);
    EXPECT_EQ(f.form->session().currentStage(), 2);  // the run keeps the stage shown
}
