// The subdivision check after a run of the real engine: its lines under the run's message and
// in the Results Summary window, and the Computation menu's switch that turns it off.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/main/resultssummarywindow.h"
#include "mainformfixture.h"
#include "tests/app/studies/sand_pile.h"

namespace {

const QString kCompleted =
    "Computations are completed. Please, check output file for results or error messages.";

// Measured: the one-layer sand pile of 10 m changes by -20 % and -14 % when its layer is split.
const QString kSandPileCheck =
    "Subdivision check: splitting every soil layer in two changes the top deflection by -20 % "
    "and the maximum moment by -14 %\n"
    "Warning: the results depend on how the soil is split into layers by more than 10 %. The "
    "p-y curves of layer 1 (Sand) lie 4.1 wall widths apart near the top. Use thinner layers.";

// A main window on the one-layer sand pile, saved in its scratch folder.
struct TSandPileForm : TMainFormFixture {
    TSandPileForm() : TMainFormFixture(QCoreApplication::applicationDirPath()) {
        const QString project = path("Pile.kd5d");
        keldra::studies::testing::WriteSandPile(project, {});
        EXPECT_TRUE(form->openFileByName(project, TFileLayout::Current));
        log.messages.clear();
    }

    // The notes of the Results Summary window, opened by its command.
    [[nodiscard]] QString summaryNotes() const {
        form->actions().resultsSummary->trigger();
        QMdiSubWindow* child = form->mdiArea()->activeSubWindow();
        auto* window = child ? qobject_cast<TResultsSummaryWindow*>(child->widget()) : nullptr;
        return window ? window->notes().text() : QString("no Results Summary window");
    }
};

}  // namespace

TEST(SubdivisionCheck, TheRunMessageAndTheResultsSummaryCarryTheCheck) {
    TSandPileForm f;
    EXPECT_TRUE(f.form->actions().subdivisionCheck->isChecked()) << "on by default";
    f.form->runAnalysis();
    EXPECT_EQ(f.log.messages, QStringList{kCompleted + "\n\n" + kSandPileCheck});
    ASSERT_TRUE(f.form->resultsLoaded());
    EXPECT_TRUE(f.summaryNotes().endsWith("\n" + kSandPileCheck)) << f.summaryNotes().toStdString();
}

TEST(SubdivisionCheck, TheComputationMenuTurnsItOffAndTheSettingIsRemembered) {
    const TStoredSubdivisionCheck restored(true);
    {
        TSandPileForm f;
        QAction* check = f.form->actions().subdivisionCheck;
        EXPECT_TRUE(f.menuCaptions("&Computation").contains(check->text()));
        check->trigger();
        EXPECT_FALSE(f.form->settings().subdivisionCheck);
        f.form->runAnalysis();
        EXPECT_EQ(f.log.messages, QStringList{kCompleted});
        EXPECT_FALSE(f.summaryNotes().contains("Subdivision")) << f.summaryNotes().toStdString();
    }
    TSandPileForm next;
    EXPECT_FALSE(next.form->actions().subdivisionCheck->isChecked());
    EXPECT_FALSE(next.form->settings().subdivisionCheck);
    next.form->actions().subdivisionCheck->trigger();
    TSandPileForm after;
    EXPECT_TRUE(after.form->actions().subdivisionCheck->isChecked());
}

// Results older than the saved project are not its results: the check is not made on them.
TEST(SubdivisionCheck, ResultsOlderThanTheProjectAreNotChecked) {
    TSandPileForm f;
    f.form->runAnalysis();
    ASSERT_TRUE(f.form->resultsLoaded());
    f.form->session().project().title = "Edited after the run";
    f.form->session().setModified(true);
    ASSERT_TRUE(f.form->fileSave());
    EXPECT_TRUE(f.summaryNotes().endsWith(
        "\nSubdivision check: could not be made: the results are older than the project file; "
        "run the analysis again"))
        << f.summaryNotes().toStdString();
}
