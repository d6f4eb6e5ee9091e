#include "app/tables/gridtable.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "app/tables/floatcolumn.h"
#include "app/tables/tablecolumn.h"
#include "app/tables/tableerror.h"
#include "app/tables/tableregistry.h"
#include "tests/app/tables/table_failure.h"

namespace {

using Column = TColumnDefinition;

class GridTableTest : public ::testing::Test {
  protected:
    TTableRegistry registry;
};

}  // namespace

TEST_F(GridTableTest, FloatTitleShowsTheUnitLabelOfTheTableUnits) {
    TGridTable table(registry);
    table.addColumn(Column::real({"Total Unit", "Wt,"}, "F/L2^3"));
    table.addColumn(Column::real({"E50"}));
    const TColumn& weight = table.column(0);
    EXPECT_EQ(weight.titleLine(0), "Total Unit");
    EXPECT_EQ(weight.titleLine(1), "Wt, (lbs/ft^3)  ");
    EXPECT_EQ(table.column(1).titleLine(0), "E50");
    table.setUnitSystem(kSIUnits);
    EXPECT_EQ(weight.titleLine(1), "Wt, (kN/m^3)  ");
    table.setUnitSystem(kGenericUnits);
    EXPECT_EQ(weight.titleLine(1), "Wt, (F/L^3)  ");
}

TEST_F(GridTableTest, UnitSwitchConvertsEnglishAndSIOnly) {
    TGridTable table(registry);
    table.addColumn(Column::real({"Wt,"}, "F/L2^3"));
    table.addColumn(Column::real({"Slope"}));
    table.setRowCount(1);
    table.setReal(0, 0, 120);
    table.setReal(1, 0, 0.5);
    table.setUnitSystem(kSIUnits);
    EXPECT_EQ(table.text(0, 0, QLocale::c()), "18.850497");
    EXPECT_EQ(table.real(1, 0), 0.5);
    table.setUnitSystem(kEnglishUnits);
    EXPECT_NEAR(table.real(0, 0), 120, 1E-9);
    table.setUnitSystem(kGenericUnits);
    table.setUnitSystem(kEnglishUnits);
    EXPECT_NEAR(table.real(0, 0), 120, 1E-9);
    // Adopting a system relabels without converting.
    table.adoptUnitSystem(kSIUnits);
    EXPECT_NEAR(table.real(0, 0), 120, 1E-9);
    EXPECT_EQ(table.unitSystem(), kSIUnits);
}

TEST_F(GridTableTest, RowCountAndGroupsKeepDefaults) {
    TGridTable table(registry);
    table.setMinRows(2);
    table.addColumn(Column::real({"Depth"}, "L2"));
    table.addColumn(Column::real({"p-Multiplier"}, {}, 1.0));
    table.addColumn(Column::integer({"Node"}, 7, 0, 10));
    table.addColumn(Column::choice({"Case"}, {"A", "B"}));
    table.addColumn(Column::text({"Name"}, "none", 1.0));
    table.setRowCount(-3);
    EXPECT_EQ(table.rowCount(), 0);
    table.ensureMinRows();
    ASSERT_EQ(table.rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(table.real(0, row), 0);
        EXPECT_EQ(table.real(1, row), 1.0);
        EXPECT_EQ(table.integer(2, row), 7);
        EXPECT_EQ(table.integer(3, row), 1);
        EXPECT_EQ(table.text(4, row), "none");
    }

    table.setRowGroup(2);
    table.setReal(0, 0, 10);
    table.setReal(0, 1, 11);
    table.addRowGroup();
    ASSERT_EQ(table.rowCount(), 4);
    table.setReal(0, 2, 12);
    table.insertRowGroup(3);  // before the group of row 3: rows 2 and 3
    ASSERT_EQ(table.rowCount(), 6);
    EXPECT_EQ(table.real(0, 2), 0);
    EXPECT_EQ(table.real(0, 4), 12);
    table.deleteRowGroup(1);  // rows 0 and 1
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.real(0, 2), 12);
}

TEST_F(GridTableTest, GroupSharedColumnWritesTheWholeGroup) {
    TGridTable table(registry);
    table.setRowGroup(2);
    Column shared = Column::real({"Depth"});
    shared.groupShared = true;
    table.addColumn(shared);
    table.setRowCount(4);
    table.setReal(0, 3, 5);
    EXPECT_EQ(table.real(0, 0), 0);
    EXPECT_EQ(table.real(0, 2), 5);
    EXPECT_EQ(table.real(0, 3), 5);
}

TEST_F(GridTableTest, LinkedDepthPairKeepsLayersContiguous) {
    TGridTable table(registry);
    Column top = Column::real({"Top"}, "L2", 0);
    top.topDepth = true;
    table.addColumn(top);
    table.addColumn(Column::real({"Bottom"}, "L2", 100));
    table.setRowCount(3);
    table.setReal(1, 0, 10);  // bottom of row 0 -> top of row 1
    EXPECT_EQ(table.real(0, 1), 10);
    table.setReal(0, 2, 20);  // top of row 2 -> bottom of row 1
    EXPECT_EQ(table.real(1, 1), 20);
    table.insertRowGroup(1);  // between bottom 10 and top 10
    EXPECT_EQ(table.real(0, 1), 10);
    EXPECT_EQ(table.real(1, 1), 10);
    table.setReal(1, 1, 15);
    table.deleteRowGroup(2);  // inner row: next top takes the previous bottom
    EXPECT_EQ(table.real(0, 2), 15);
    table.addRowGroup();
    EXPECT_EQ(table.real(0, 3), table.real(1, 2));
    EXPECT_EQ(table.real(1, 3), 100);

    TGridTable wrong(registry);
    wrong.addColumn(top);
    EXPECT_EQ(failureOf([&] { wrong.addColumn(Column::integer({"N"}, 0, 0, 1)); }),
              "If column if a topdepth then the next column must be a float column");
    EXPECT_EQ(wrong.columnCount(), 1);
}

TEST_F(GridTableTest, TextEntryValidation) {
    TGridTable table(registry);
    table.addColumn(Column::integer({"Node"}, 5, 1, INT_MAX));
    table.addColumn(Column::choice({"Case"}, {"A", "B"}));
    table.addColumn(Column::real({"Load"}, "F"));
    table.addColumn(Column::text({"Note"}, "", 1));
    table.setRowCount(1);
    struct Case {
        int column;
        const char* text;
        const char* message;
    };
    const Case failures[] = {
        {0, "2.5", "Entry must be an integer."},
        {0, "0", "Entry must be between 1 and 2147483647."},
        {0, "3E9", "Entry must be between 1 and 2147483647."},
        {0, "", "Entry cannot be blank."},
        {0, "  ", "Entry cannot be blank."},
        {0, "abc", "abc is not a valid number."},
        {2, "1.2.3", "1.2.3 is not a valid number."},
        {2, "2+", "Entry could not be evaluated:\rinvalid expression"},
        {2, "2*x", "Entry could not be evaluated:\rinvalid character(s) in expression"},
        {2, "1/0", "Floating point division by zero"},
        {1, "1.5", "Value must be an integer."},
        {1, "3E10", "Value must be an integer."},
        {1, "3", "Entry must be between 1 and 2."},
        {1, "0", "Entry must be between 1 and 2."},
    };
    for (const Case& c : failures) {
        EXPECT_EQ(failureOf([&] { table.setFromText(c.column, 0, c.text, QLocale::c()); }),
                  c.message)
            << c.text;
    }
    EXPECT_EQ(table.integer(0, 0), 5);  // unchanged by the failures
    EXPECT_EQ(table.real(2, 0), 0);

    table.setFromText(0, 0, "2*3+1.00000000001", QLocale::c());
    EXPECT_EQ(table.integer(0, 0), 7);
    table.setFromText(1, 0, "2", QLocale::c());
    EXPECT_EQ(table.integer(1, 0), 2);
    table.setFromText(2, 0, "2*3", QLocale::c());
    EXPECT_EQ(table.real(2, 0), 6);
    table.setFromText(2, 0, "1,25", QLocale(QLocale::German));
    EXPECT_EQ(table.text(2, 0, QLocale(QLocale::German)), "1,25");
    EXPECT_EQ(table.text(2, 0, QLocale::c()), "1.25");
    table.setFromText(3, 0, " 2+2 ", QLocale::c());
    EXPECT_EQ(table.text(3, 0), " 2+2 ");
}

TEST_F(GridTableTest, WrongKindsAndIndicesRaise) {
    TGridTable table(registry);
    table.addColumn(Column::integer({"Node"}, 0, 0, 9));
    table.addColumn(Column::real({"Load"}));
    table.setRowCount(1);
    EXPECT_EQ(failureOf([&] { (void)table.real(0, 0); }), "Data of wrong type");
    EXPECT_EQ(failureOf([&] { table.setReal(0, 0, 1); }), "Data of wrong type");
    EXPECT_EQ(failureOf([&] { (void)table.integer(1, 0); }), "Data of wrong type");
    EXPECT_EQ(failureOf([&] { (void)table.subTable(1, 0); }), "Data of wrong type");
    EXPECT_EQ(failureOf([&] { (void)table.column(2); }), "Index out of bounds");
    EXPECT_EQ(failureOf([&] { (void)table.column(-1); }), "Index out of bounds");
    EXPECT_EQ(failureOf([&] { (void)table.cell(0, 1); }), "Index out of bounds");
    EXPECT_EQ(failureOf([&] { table.deleteRowGroup(1); }), "Index out of bounds");
    EXPECT_EQ(failureOf([&] { table.setMinRows(0); }), "Value must be greater than 0");
    EXPECT_EQ(table.minRows(), 1);

    table.column(0).setVisible(false);
    EXPECT_EQ(table.visibleColumnCount(), 1);
    EXPECT_EQ(&table.visibleColumn(0), &table.column(1));
    EXPECT_EQ(table.visiblePosition(table.column(0)), -1);
    EXPECT_EQ(table.visiblePosition(table.column(1)), 0);
    EXPECT_EQ(failureOf([&] { (void)table.visibleColumn(1); }), "Index out of bounds");
}

TEST_F(GridTableTest, IdentifiersStayUnique) {
    TGridTable first(registry);
    TGridTable second(registry);
    EXPECT_EQ(first.identifier(), 0);
    EXPECT_EQ(second.identifier(), 1);
    first.setIdentifier(18);
    TGridTable fresh(registry);  // takes the counter value 2
    EXPECT_EQ(fresh.identifier(), 2);
    fresh.setIdentifier(18);
    EXPECT_EQ(fresh.identifier(), 18);
    EXPECT_EQ(first.identifier(), 2);
    fresh.setIdentifier(-5);
    EXPECT_EQ(fresh.identifier(), 18);
    second.setIdentifier(3);
    TGridTable next(registry);  // 3 is held: the counter skips it
    EXPECT_EQ(next.identifier(), 4);
    EXPECT_EQ(registry.find(18), &fresh);
    EXPECT_EQ(registry.find(99), nullptr);
}

TEST_F(GridTableTest, ModifiedFlagsReachThroughSubTables) {
    TGridTable parameters(registry);
    parameters.setCaption("Sand");
    parameters.setMinRows(2);
    parameters.addColumn(Column::real({"Phi"}));
    TGridTable layers(registry);
    layers.addColumn(Column::choice({"Type"}, {"Sand"}));
    layers.addColumn(Column::table({"Edit"}, {parameters.identifier()}));
    layers.setRowCount(1);
    layers.setModified(false);
    EXPECT_FALSE(layers.isModified());

    TGridTable* sub = layers.subTable(1, 0);
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(sub->isModified());  // a fresh clone
    sub->setReal(0, 1, 35);
    EXPECT_TRUE(layers.isModified());
    layers.setModified(false);
    EXPECT_FALSE(sub->isModified());
    sub->setReal(0, 1, 35);  // the same value changes nothing
    EXPECT_FALSE(layers.isModified());
}
