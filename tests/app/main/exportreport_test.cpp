// "Export Calculation Report (PDF)..." from the main window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "mainformfixture.h"

namespace {

constexpr const char* kMenuEntry = "Export Calculation Report (PDF)...";

bool IsPdf(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

// The staged example opened in the fixture's folder.
void OpenTwoStage(TMainFormFixture& f) {
    const QString project = f.path("two_stage.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/two_stage.kd5d", project));
    ASSERT_TRUE(f.form->openFileByName(project, TFileLayout::Current));
}

}  // namespace

TEST(MainFormReport, RunsTheStaleProjectWritesTheChosenFileAndOpensIt) {
    TMainFormFixture f(QCoreApplication::applicationDirPath());
    EXPECT_TRUE(f.menuCaptions("&File").contains(kMenuEntry));
    ASSERT_NO_FATAL_FAILURE(OpenTwoStage(f));
    const QString pdf = f.path("chosen.pdf");
    f.prompts->fileNames = {pdf};

    f.form->actions().exportReport->trigger();

    EXPECT_TRUE(f.log.dialogTitles.contains("Export Calculation Report | " +
                                            f.path("two_stage-report.pdf")))
        << f.log.dialogTitles.join('\n').toStdString();
    EXPECT_TRUE(QFileInfo::exists(f.path("two_stage.kd5o"))) << "the analysis ran first";
    EXPECT_TRUE(f.form->resultsLoaded());
    EXPECT_TRUE(IsPdf(pdf));
    EXPECT_EQ(f.log.openedDocuments, QStringList{pdf});
    EXPECT_EQ(f.form->session().currentStage(), 1) << "the current stage is kept";
    EXPECT_FALSE(f.form->session().isModified());
}

TEST(MainFormReport, AFailedRunWritesNoReport) {
    // Without the engine beside the program the run cannot start.
    TMainFormFixture f(QStringLiteral("/nonexistent"));
    ASSERT_NO_FATAL_FAILURE(OpenTwoStage(f));
    f.prompts->fileNames = {f.path("never.pdf")};
    f.form->actions().exportReport->trigger();
    EXPECT_FALSE(QFileInfo::exists(f.path("never.pdf")));
    ASSERT_FALSE(f.log.messages.isEmpty());
    EXPECT_TRUE(f.log.messages.last().startsWith("Attempt to initialize DLL failed"))
        << f.log.messages.last().toStdString();
    EXPECT_TRUE(f.log.openedDocuments.isEmpty());
}

TEST(MainFormReport, AReportThatCannotBeWrittenIsReported) {
    TMainFormFixture f(QCoreApplication::applicationDirPath());
    ASSERT_NO_FATAL_FAILURE(OpenTwoStage(f));
    const QString pdf = f.path("missing folder/report.pdf");
    f.prompts->fileNames = {pdf};
    f.form->actions().exportReport->trigger();
    ASSERT_FALSE(f.log.messages.isEmpty());
    EXPECT_TRUE(f.log.messages.last().startsWith("Cannot write \"" + pdf + "\"."))
        << f.log.messages.last().toStdString();
    EXPECT_TRUE(f.log.openedDocuments.isEmpty());
}
