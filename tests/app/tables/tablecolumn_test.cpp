#include "app/tables/tablecolumn.h"

#include <gtest/gtest.h>

#include "app/tables/enumcolumn.h"
#include "app/tables/gridtable.h"
#include "app/tables/tableregistry.h"

namespace {

using Column = TColumnDefinition;

// Layers whose parameter table depends on the soil type, as in the soil-layer tables.
class SubTableTest : public ::testing::Test {
  protected:
    SubTableTest() : clay(registry), sand(registry), layers(registry) {
        clay.setCaption("Clay");
        clay.setMinRows(2);
        clay.addColumn(Column::real({"Cohesion"}, "F/L2^2"));
        clay.setIdentifier(18);
        sand.setCaption("Sand");
        sand.setMinRows(2);
        sand.setMaxRows(2);
        sand.addColumn(Column::real({"Phi"}));
        sand.addColumn(Column::real({"k"}, "F/L^3"));
        sand.setIdentifier(17);
        layers.addColumn(Column::choice({"Type"}, {"Clay", "Sand", "Rock"}));
        layers.addColumn(Column::table({"Edit"}, {18, 17}));  // padded with -1 for "Rock"
        layers.setRowCount(3);
    }
    TGridTable& sub(int row) { return *layers.subTable(1, row); }

    TTableRegistry registry;
    TGridTable clay;
    TGridTable sand;
    TGridTable layers;
};

}  // namespace

TEST_F(SubTableTest, RowsGetClonesOfTheirChoiceTemplate) {
    auto& column = static_cast<TTableColumn&>(layers.column(1));
    EXPECT_EQ(column.templates(), (QList<int>{18, 17, -1}));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(sub(row).caption(), "Clay");
        EXPECT_EQ(sub(row).rowCount(), 2);
        EXPECT_EQ(sub(row).rowNumber(), row + 1);
        EXPECT_NE(&sub(row), &clay);
    }
    EXPECT_EQ(column.buttonCaption(1), "2: Clay");
    EXPECT_EQ(sub(1).windowCaption(), "Clay  2");
    EXPECT_EQ(layers.windowCaption(), " ");
    EXPECT_EQ(layers.text(1, 0), "");
}

TEST_F(SubTableTest, ChangingTheChoiceReplacesTheSubTable) {
    sub(0).setReal(0, 0, 500);
    layers.setInteger(0, 0, 2);
    EXPECT_EQ(sub(0).caption(), "Sand");
    EXPECT_EQ(sub(0).columnCount(), 2);
    EXPECT_EQ(sub(0).rowCount(), 2);
    EXPECT_EQ(sub(0).real(0, 0), 0);
    EXPECT_EQ(sub(0).maxRows(), 2);
    layers.setFromText(0, 1, "3", QLocale::c());  // no template for "Rock"
    EXPECT_EQ(layers.subTable(1, 1), nullptr);
    EXPECT_EQ(static_cast<TTableColumn&>(layers.column(1)).buttonCaption(1), "");
    // The same choice again keeps the sub-table and its values.
    sub(2).setReal(0, 1, 7);
    layers.setInteger(0, 2, 1);
    EXPECT_EQ(sub(2).real(0, 1), 7);
}

TEST_F(SubTableTest, RowNumbersFollowInsertionAndDeletion) {
    TGridTable* last = layers.subTable(1, 2);
    layers.insertRowGroup(0);
    EXPECT_EQ(layers.subTable(1, 3), last);
    EXPECT_EQ(last->rowNumber(), 4);
    layers.deleteRowGroup(1);
    layers.deleteRowGroup(0);
    EXPECT_EQ(last->rowNumber(), 2);
    EXPECT_EQ(last->windowCaption(), "Clay  2");
}

TEST_F(SubTableTest, UnitSwitchReachesSubTables) {
    sub(0).setReal(0, 0, 144);
    layers.setUnitSystem(kSIUnits);
    EXPECT_EQ(sub(0).unitSystem(), kSIUnits);
    EXPECT_EQ(sub(0).column(0).titleLine(0), "Cohesion (kN/m^2)  ");
    EXPECT_NEAR(sub(0).real(0, 0), 144 / (224.8089237 / (3.280839895 * 3.280839895)), 1E-9);
    layers.addRowGroup();  // a new row's sub-table takes the owner's units
    EXPECT_EQ(sub(3).unitSystem(), kSIUnits);
}

TEST_F(SubTableTest, NestedSubTablesChainTheirRowNumbers) {
    TGridTable curve(registry);
    curve.setCaption("External p-y Curve");
    curve.setMinRows(2);
    curve.addColumn(Column::real({"y"}, "L"));
    TGridTable sets(registry);
    sets.addColumn(Column::integer({"Node"}, 0, 0, 9));
    sets.addColumn(Column::table({"Curve Sets"}, {curve.identifier()}));
    TGridTable outer(registry);
    outer.addColumn(Column::table({"Sets"}, {sets.identifier()}));
    sets.setCaption("Sets");
    outer.setRowCount(2);
    TGridTable* inner = outer.subTable(0, 1);
    ASSERT_NE(inner, nullptr);
    inner->setRowCount(3);
    EXPECT_EQ(inner->subTable(1, 2)->windowCaption(), "External p-y Curve  2 3");
    EXPECT_EQ(inner->subTable(1, 2)->rowNumberChain(), " 2 3");
}

TEST_F(SubTableTest, ATemplateContainingItselfGetsNoSubTable) {
    TGridTable looping(registry);
    looping.addColumn(Column::real({"x"}));
    looping.addColumn(Column::table({"Again"}, {looping.identifier()}));
    looping.setRowCount(2);
    EXPECT_EQ(looping.subTable(1, 0), nullptr);

    // Two templates naming each other stop after one level.
    TGridTable a(registry);
    TGridTable b(registry);
    a.addColumn(Column::table({"b"}, {b.identifier()}));
    b.addColumn(Column::table({"a"}, {a.identifier()}));
    a.setRowCount(1);
    ASSERT_NE(a.subTable(0, 0), nullptr);
    EXPECT_EQ(a.subTable(0, 0)->subTable(0, 0), nullptr);
}

TEST_F(SubTableTest, NewChoicesBringTheTemplateListIntoLine) {
    auto& types = static_cast<TEnumColumn&>(layers.column(0));
    auto& column = static_cast<TTableColumn&>(layers.column(1));
    types.setChoices({"Clay"});
    EXPECT_EQ(column.templates(), QList<int>{18});
    types.setChoices({"Clay", "Sand", "Rock", "Silt"});
    EXPECT_EQ(column.templates(), (QList<int>{18, -1, -1, -1}));
}

TEST_F(SubTableTest, TheWindowHearsOfCellAndRowChanges) {
    QList<std::pair<int, int>> cells;
    int rowChanges = 0;
    QObject::connect(&layers, &TGridTable::cellChanged, [&](int column, int row) {
        cells.append({column, row});
    });
    QObject::connect(&layers, &TGridTable::rowsChanged, [&] { ++rowChanges; });
    layers.setInteger(0, 2, 2);
    layers.setInteger(0, 2, 2);  // unchanged: no news
    layers.addRowGroup();
    layers.deleteRowGroup(0);
    EXPECT_EQ(cells, (QList<std::pair<int, int>>{{1, 2}, {0, 2}}));
    EXPECT_EQ(rowChanges, 2);
}
