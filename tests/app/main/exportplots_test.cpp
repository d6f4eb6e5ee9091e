// "Export Plots To Excel" from the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "app/export/exportdlg.h"
#include "mainformfixture.h"

namespace {

TDlgExport* openExportDialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<TDlgExport*>(w); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

}  // namespace

TEST(MainFormExport, ListsTheGraphsByTheirCommandsAndProposesTheProjectsName) {
    TMainFormFixture f(QCoreApplication::applicationDirPath());
    const QString project = f.path("two_stage.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/two_stage.kd5d", project));
    ASSERT_TRUE(f.form->openFileByName(project, TFileLayout::Current));
    f.form->runAnalysis();
    ASSERT_TRUE(f.form->resultsLoaded());
    f.form->refreshCommands();
    ASSERT_TRUE(f.form->actions().exportPlots->isEnabled());

    QStringList listed;
    int ticked = 0;
    QTimer::singleShot(0, [&] {
        TDlgExport* dialog = openExportDialog();
        if (!dialog) {
            ADD_FAILURE() << "no export dialog";
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
            return;
        }
        QListWidget* list = dialog->CheckListBoxPlots();
        for (int i = 0; i < list->count(); ++i) {
            listed << list->item(i)->text();
            ticked += list->item(i)->checkState() == Qt::Checked;
        }
        dialog->btnGenerate()->click();  // the save question is cancelled
        dialog->close();
    });
    f.form->actions().exportPlots->trigger();

    EXPECT_EQ(listed, (QStringList{"p-y Curves", "Deflection vs Depth", "Shear vs Depth",
                                   "Moment vs Depth", "Soil Reaction vs Depth",
                                   "Earth Pressure Distribution", "Earth Pressure Combined"}));
    EXPECT_EQ(ticked, 7);
    EXPECT_TRUE(f.log.dialogTitles.contains("Export to Excel | " + f.path("two_stage-plots.xlsx")))
        << f.log.dialogTitles.join('\n').toStdString();
    EXPECT_FALSE(QFile::exists(f.path("two_stage-plots.xlsx")));
}
