// A complete project typed in through the main window's input and table
// windows, saved, compared with the same project written by the library, and
// run by the engine.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "app/dialogs/dlgcsd.h"
#include "app/dialogs/dlgprop.h"
#include "app/dialogs/dlgtitle.h"
#include "app/forms/tablechartform.h"
#include "app/forms/tablegrid.h"
#include "app/project/programdata.h"
#include "app/project/projectwriter.h"
#include "app/tables/chartreader.h"
#include "app/tables/formdescription.h"
#include "app/tables/projecttables.h"
#include "app/widgets/dataedit.h"
#include "tests/app/dialogs/windowfixture.h"
#include "tests/app/main/mainformfixture.h"

namespace {

const QString kTitle = QStringLiteral("Typed cantilever wall");
const QString kCurve = QStringLiteral("-3 20\r\n-1 18\r\n0 0\r\n1 -18\r\n3 -20\r\n");
const QString kStiffCurve = QStringLiteral("-3 200\r\n-1 180\r\n0 0\r\n1 -180\r\n3 -200\r\n");

// The child window of the main window whose content is a T.
template <typename T>
T* childWindow(const TMainForm& form) {
    for (QMdiSubWindow* child : form.mdiArea()->subWindowList())
        if (auto* content = dynamic_cast<T*>(child->widget())) return content;
    return nullptr;
}

TTableForm* tableWindow(const TMainForm& form, const QString& caption) {
    for (QMdiSubWindow* child : form.mdiArea()->subWindowList())
        if (auto* content = dynamic_cast<TTableForm*>(child->widget());
            content && content->windowTitle() == caption)
            return content;
    return nullptr;
}

// Types the rows into the text cells, row by row, moving on with Enter-free cell moves.
void typeRows(TTableForm& form, const QList<QStringList>& rows) {
    TTableGrid& grid = *form.grid();
    for (int r = 0; r < rows.size(); ++r) {
        if (r >= grid.rowCount()) form.addRow();
        for (int c = 0, typed = 0; c < grid.columnCount(); ++c) {
            if (!grid.isTextColumn(c)) continue;
            grid.setCurrentCell(r, c);
            typeIntoCell(grid, rows[r][typed++]);
        }
    }
    ASSERT_TRUE(form.storeValues());
}

// The same project entered through the library.
QByteArray libraryProject() {
    TProjectTables tables;
    TProgramData project(tables);
    project.title = kTitle;
    project.wall = {40, 6, 10, 1E-5, 120};
    project.options.earthPressure = kUserSpecifiedPressure;
    project.options.generatePyCurves = false;
    project.options.externalPyCurves = true;
    TGridTable& stiffness = tables.table(TableName::PileSect);
    stiffness.setInteger(1, 0, 40);
    stiffness.setReal(3, 0, 5.3E9);
    TGridTable& pressure = tables.table(TableName::DistLoad);
    pressure.setReal(0, 1, 10);
    pressure.setReal(1, 1, 396);
    TGridTable& sets = tables.table(TableName::PYCurves2);
    sets.setInteger(0, 0, 20);
    sets.setInteger(0, 1, 40);
    for (int set = 0; set < 2; ++set)
        TChartReader::fill(*sets.subTable(1, set),
                           TChartReader::linesOfClipboardText(set == 0 ? kCurve : kStiffCurve));
    return TProjectWriter(project).projectFile();
}

}  // namespace

TEST(FullProject, TypedInSavedAndRun) {
    TMainFormFixture f(QCoreApplication::applicationDirPath());
    f.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.form.get()));
    const TMainActions& a = f.form->actions();

    a.title->trigger();
    auto* title = childWindow<TdlgTitle>(*f.form);
    ASSERT_NE(title, nullptr);
    typeInto(*title->titleEdit(), kTitle);
    ASSERT_TRUE(title->storeValues());

    a.wallProperties->trigger();
    auto* prop = childWindow<TDlgProp>(*f.form);
    ASSERT_NE(prop, nullptr);
    typeInto(*prop->increments(), "40");
    typeInto(*prop->incrementLength(), "6");
    typeInto(*prop->freeHeight(), "10");
    typeInto(*prop->maxDeflection(), "10");
    prop->sectionButton()->click();
    TTableForm* stiffness = tableWindow(*f.form, "Wall Stiffness ");
    ASSERT_NE(stiffness, nullptr);
    typeRows(*stiffness, {{"0", "40", "5.3E9"}});

    switchAction(a, TSwitch::GeneratePyCurves)->trigger();
    a.earthPressure[0]->trigger();
    switchAction(a, TSwitch::ExternalPyCurves)->trigger();
    f.form->refreshCommands();
    ASSERT_TRUE(a.distributedLoad->isEnabled());
    a.distributedLoad->trigger();
    TTableForm* pressure = tableWindow(*f.form, "Distributed Loads ");
    ASSERT_NE(pressure, nullptr);
    typeRows(*pressure, {{"0", "0"}, {"10", "33*12"}});

    ASSERT_TRUE(a.externalPyCurves->isEnabled());
    a.externalPyCurves->trigger();
    TTableForm* sets = tableWindow(*f.form, "Sets of Ext. p-y Curves ");
    ASSERT_NE(sets, nullptr);
    typeRows(*sets, {{"20", "1", "1"}, {"40", "1", "1"}});
    for (int set = 0; set < 2; ++set) {
        qobject_cast<QPushButton*>(sets->cellControl(set, 1))->click();
        auto* curve = dynamic_cast<TTableChartForm*>(
            tableWindow(*f.form, QString("External p-y Curve  %1").arg(set + 1)));
        ASSERT_NE(curve, nullptr);
        QApplication::clipboard()->setText(set == 0 ? kCurve : kStiffCurve);
        curve->clipboardButton()->click();
        EXPECT_EQ(curve->grid()->rowCount(), 5);
    }

    const QString saved = f.path("Typed.kd5d");
    f.prompts->fileNames = {saved};
    ASSERT_TRUE(f.form->fileSave());
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), libraryProject());

    f.log.messages.clear();
    f.form->runAnalysis();
    // The typed-in wall rests on user p-y curves: the subdivision check does not apply.
    EXPECT_EQ(f.log.messages.value(0),
              "Computations are completed. Please, check output file for results or error "
              "messages.\n\nSubdivision check: not applicable (the problem has user-specified "
              "p-y curves)");
    QFile report(f.path("Typed.kd5o"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_TRUE(report.readAll().contains(kTitle.toUtf8()));
}

TEST(FullProject, OpenWindowsFollowAUnitSwitch) {
    TMainFormFixture f;
    const TMainActions& a = f.form->actions();
    a.wallConfiguration->trigger();
    auto* csd = childWindow<TdlgCSD>(*f.form);
    ASSERT_NE(csd, nullptr);
    typeInto(*csd->freeHeight(), "10");
    ASSERT_TRUE(csd->storeValues());
    EXPECT_EQ(f.form->session().project().wall.freeHeight, 120.0);

    a.units[1]->trigger();
    EXPECT_EQ(csd->freeHeight()->editLabel()->text(), "&Free Height of Wall, H (m)");
    EXPECT_EQ(csd->freeHeight()->text(), "3.048");
    EXPECT_EQ(csd->activeWidth()->editLabel()->text(),
              "&Width for Active Earth Press. Calculation, Wa (m)");
}

TEST(FullProject, AWindowThatStaysOpenShowsTheNewProject) {
    TMainFormFixture f;
    f.form->actions().wallProperties->trigger();
    auto* prop = childWindow<TDlgProp>(*f.form);
    ASSERT_NE(prop, nullptr);
    typeInto(*prop->incrementLength(), "abc");
    f.form->actions().fileNew->trigger();  // the invalid field keeps the window open
    ASSERT_EQ(childWindow<TDlgProp>(*f.form), prop);
    EXPECT_EQ(prop->incrementLength()->text(), "0");
    EXPECT_TRUE(prop->storeValues());
}
