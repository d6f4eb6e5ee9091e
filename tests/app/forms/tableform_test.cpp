#include "app/forms/tableform.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "app/tables/formdescription.h"
#include "tests/app/dialogs/windowfixture.h"

namespace {

struct TableForm : ::testing::Test {
    TWindowFixture f;
};

TEST_F(TableForm, IntegerCellRefusesAFractionAndKeepsTheCell) {
    TGridTable& stiffness = f.table(TableName::PileSect);
    TTableForm* form = f.show(stiffness);
    ASSERT_NE(form, nullptr);
    TTableGrid& grid = *form->grid();
    ASSERT_EQ(grid.currentRow(), 0);
    ASSERT_EQ(grid.currentColumn(), 0);
    QLineEdit* editor = typeIntoCell(grid, "2.5");
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Right, Qt::NoModifier);
    QTest::keyClick(grid.viewport(), Qt::Key_Right);

    EXPECT_EQ(f.log.messages, QStringList{"Entry must be an integer."});
    EXPECT_EQ(grid.currentColumn(), 0);
    EXPECT_EQ(grid.currentRow(), 0);
    EXPECT_EQ(stiffness.integer(0, 0), 0);
    EXPECT_FALSE(form->storeValues());
}

TEST_F(TableForm, EntriesAreEvaluatedAndCheckedAgainstTheColumnLimits) {
    TGridTable& stiffness = f.table(TableName::PileSect);
    TTableGrid& grid = *f.show(stiffness)->grid();
    grid.setCurrentCell(0, 3);
    typeIntoCell(grid, "2*3");
    grid.setCurrentCell(0, 1);
    EXPECT_EQ(stiffness.real(3, 0), 6.0);
    EXPECT_EQ(grid.item(0, 3)->text(), "6");
    EXPECT_TRUE(stiffness.isModified());

    typeIntoCell(grid, "-1");
    grid.setCurrentCell(0, 0);
    EXPECT_EQ(f.log.messages, QStringList{"Entry must be between 0 and 2147483647."});
    EXPECT_EQ(grid.currentColumn(), 1);
}

TEST_F(TableForm, EnterWalksDownThenToTheNextColumnThenBackToTheFirst) {
    TGridTable& factors = f.table(TableName::PYMod);  // 2 rows, 3 float columns
    TTableGrid& grid = *f.show(factors)->grid();
    EXPECT_EQ(grid.enterTarget(0, 0), QPoint(0, 1));
    EXPECT_EQ(grid.enterTarget(1, 0), QPoint(1, 0));
    EXPECT_EQ(grid.enterTarget(1, 2), QPoint(0, 0));

    QLineEdit* editor = typeIntoCell(grid, "12");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(factors.real(0, 0), 12.0);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.currentColumn(), 0);
}

TEST_F(TableForm, ChoiceAndSubTableColumnsHaveInCellControls) {
    TGridTable& layers = f.table(TableName::NewSoil);
    TTableForm* form = f.show(layers);
    auto* soilType = qobject_cast<QComboBox*>(form->cellControl(0, 0));
    auto* parameters = qobject_cast<QPushButton*>(form->cellControl(0, 2));
    ASSERT_NE(soilType, nullptr);
    ASSERT_NE(parameters, nullptr);
    EXPECT_EQ(soilType->currentText(), "Soft Clay");
    EXPECT_EQ(parameters->text(), "1: Clay");
    EXPECT_FALSE(form->grid()->isTextColumn(0));
    EXPECT_EQ(form->grid()->currentColumn(), 1);

    parameters->click();
    TGridTable* clay = layers.subTable(2, 0);
    TTableForm* clayForm = f.tableWindows().windowOf(*clay);
    ASSERT_NE(clayForm, nullptr);
    EXPECT_EQ(clayForm->windowTitle(), "Clay  1");

    // Choosing Sand replaces the parameter table; the clay window goes with it.
    soilType->setCurrentIndex(3);
    emit soilType->activated(3);
    QApplication::processEvents();
    EXPECT_EQ(f.tableWindows().windowOf(*clay), nullptr);
    EXPECT_EQ(parameters->text(), "1: Sand");
    parameters->click();
    TGridTable* sand = layers.subTable(2, 0);
    TTableForm* sandForm = f.tableWindows().windowOf(*sand);
    ASSERT_NE(sandForm, nullptr);
    EXPECT_EQ(sandForm->windowTitle(), "Sand  1");
    EXPECT_EQ(sandForm->grid()->rowCount(), 2);
    EXPECT_EQ(sandForm->grid()->columnCount(), 4);
    EXPECT_FALSE(sandForm->addButton()->isVisibleTo(sandForm));
    EXPECT_TRUE(sandForm->note()->isVisibleTo(sandForm));

    // Closing the layers' window closes the windows of their parameter tables.
    EXPECT_TRUE(form->close());
    QApplication::processEvents();
    EXPECT_EQ(f.tableWindows().windowOf(*sand), nullptr);
}

TEST_F(TableForm, RowButtonsFollowTheRowLimits) {
    TGridTable& tiebacks = f.table(TableName::TiebackTable1);  // 1 to 20 rows
    TTableForm* form = f.show(tiebacks);
    EXPECT_TRUE(form->addButton()->isVisibleTo(form));
    EXPECT_TRUE(form->addButton()->isEnabled());
    EXPECT_FALSE(form->deleteButton()->isEnabled());

    form->addRow();
    EXPECT_EQ(tiebacks.rowCount(), 2);
    EXPECT_EQ(form->rowsShown(), 2);
    EXPECT_TRUE(form->deleteButton()->isEnabled());
    EXPECT_TRUE(tiebacks.isModified());

    tiebacks.setReal(0, 1, 7.5);
    form->grid()->setCurrentCell(1, 0);
    form->insertRow();
    EXPECT_EQ(tiebacks.rowCount(), 3);
    EXPECT_EQ(tiebacks.real(0, 2), 7.5);
    form->deleteRow();
    EXPECT_EQ(tiebacks.real(0, 1), 7.5);

    tiebacks.setRowCount(20);
    EXPECT_FALSE(form->addButton()->isEnabled());
    EXPECT_FALSE(form->insertButton()->isEnabled());
    EXPECT_EQ(form->grid()->rowCount(), 20);
}

TEST_F(TableForm, ShowsAtMostTenRows) {
    TGridTable& loads = f.table(TableName::LongDist);
    loads.setRowCount(25);
    TTableForm* form = f.show(loads);
    EXPECT_EQ(form->rowsShown(), 10);
    const int rowHeight = form->grid()->verticalHeader()->defaultSectionSize();
    EXPECT_LT(form->grid()->viewport()->height(), 11 * rowHeight);
}

TEST_F(TableForm, ADraggedEdgeSnapsToWholeRows) {
    TGridTable& loads = f.table(TableName::LongDist);
    loads.setRowCount(25);
    TTableForm* form = f.show(loads);
    const TTableGrid& grid = *form->grid();
    const int rowHeight = grid.verticalHeader()->defaultSectionSize();
    const QSize shown = form->size();
    const int gridHeight = grid.height();

    form->resize(shown + QSize(0, 5 * rowHeight / 2));
    QApplication::processEvents();
    EXPECT_EQ(form->rowsShown(), 12);
    EXPECT_EQ(grid.height(), gridHeight + 2 * rowHeight);
    EXPECT_EQ(form->size(), shown + QSize(0, 2 * rowHeight));

    form->resize(shown - QSize(0, 7 * rowHeight / 2));
    QApplication::processEvents();
    EXPECT_EQ(form->rowsShown(), 6);
    EXPECT_EQ(grid.height(), gridHeight - 4 * rowHeight);

    // Wider than all columns: back to their width.
    form->resize(form->size() + QSize(37, 0));
    QApplication::processEvents();
    EXPECT_EQ(form->width(), shown.width());
    EXPECT_EQ(form->columnsShown(), grid.columnCount());
}

TEST_F(TableForm, AWindowShowingEveryRowKeepsItsGridToThem) {
    TTableForm* form = f.show(f.table(TableName::PileSect));  // one row, no scroll bars
    const TTableGrid& grid = *form->grid();
    const QSize shown = form->size();
    form->resize(shown + QSize(0, grid.verticalHeader()->defaultSectionSize() / 2));
    QApplication::processEvents();
    EXPECT_EQ(form->size(), shown);
    EXPECT_EQ(grid.height(), grid.sizeHint().height());
}

TEST_F(TableForm, RowButtonsNeedADataRow) {
    TTableForm* form = f.show(f.table(TableName::BoundCond));
    form->addRow();
    form->grid()->setCurrentItem(nullptr);
    form->insertButton()->click();
    form->deleteButton()->click();
    EXPECT_EQ(f.log.messages,
              QStringList({"Grid.Row not in valid range", "Grid.Row not in valid range"}));
}

TEST_F(TableForm, HeaderShowsTitleLinesWithUnitsAndTheRowNumbers) {
    TGridTable& clay = *f.table(TableName::NewSoil).subTable(2, 0);
    TTableForm* form = f.show(clay);
    EXPECT_EQ(form->grid()->horizontalHeaderItem(0)->text(), "Total Unit\nWeight, (lbs/ft^3)  ");
    EXPECT_EQ(form->grid()->horizontalHeaderItem(2)->text(), "E50\n");
    EXPECT_EQ(form->grid()->verticalHeaderItem(1)->text(), "2");
    f.table(TableName::NewSoil).setUnitSystem(kSIUnits);
    EXPECT_EQ(form->grid()->horizontalHeaderItem(0)->text(), "Total Unit\nWeight, (kN/m^3)  ");
}

TEST_F(TableForm, NoteAndHelpPictureShowWhenTheTableHasThem) {
    TTableForm* springs = f.show(f.table(TableName::SoilStrength));
    EXPECT_TRUE(springs->note()->text().startsWith(
        "The spring stiffnesses are applied at nodal points only"));
    EXPECT_EQ(springs->note()->text().count(u'\n'), 1);
    EXPECT_NE(springs->helpPicture(), nullptr);
    TTableForm* factors = f.show(f.table(TableName::PYMod));
    EXPECT_FALSE(factors->note()->isVisibleTo(factors));
    EXPECT_EQ(factors->helpPicture(), nullptr);
}

TEST_F(TableForm, ClosingIsRefusedWhileTheCellHoldsAnInvalidEntry) {
    TTableForm* form = f.show(f.table(TableName::SoilLayer));
    form->grid()->setCurrentCell(0, 1);
    typeIntoCell(*form->grid(), "x");
    EXPECT_FALSE(form->close());
    EXPECT_EQ(f.log.messages, QStringList{"x is not a valid number."});
    typeIntoCell(*form->grid(), "4");
    EXPECT_TRUE(form->close());
    EXPECT_EQ(f.table(TableName::SoilLayer).integer(1, 0), 4);
}

}  // namespace
