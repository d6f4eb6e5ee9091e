#include "app/tables/columnstream.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/gridtablechart.h"
#include "app/tables/tableerror.h"
#include "app/tables/tableregistry.h"
#include "tests/app/tables/table_failure.h"

namespace {

std::vector<TColumnDefinition> definitionsOf(const TGridTable& table) {
    std::vector<TColumnDefinition> definitions;
    for (int c = 0; c < table.columnCount(); ++c)
        definitions.push_back(table.column(c).definition());
    return definitions;
}

class ColumnStreamTest : public ::testing::Test {
  protected:
    TTableRegistry registry;
    TTableRegistry chartRegistry;
};

}  // namespace

TEST_F(ColumnStreamTest, EveryTableOfTheMainWindowRoundTrips) {
    for (const TTableDefinition& definition : TFormDescription::tables()) {
        SCOPED_TRACE(definition.name.toStdString());
        auto original =
            TFormDescription::build(definition, definition.charted ? chartRegistry : registry);
        TColumnStream stream;
        original->writeColumns(stream);
        auto copy =
            TFormDescription::build(definition, definition.charted ? chartRegistry : registry);
        copy->readColumns(stream);
        EXPECT_TRUE(stream.atEnd());
        EXPECT_EQ(definitionsOf(*copy), definition.columns);
        if (definition.charted) {
            EXPECT_EQ(static_cast<TGridTableChart&>(*copy).graphicParameters(), definition.graphic);
        }
    }
}

TEST_F(ColumnStreamTest, ReadingErrors) {
    TGridTable table(registry);
    TColumnStream noCount;
    noCount.write(QStringLiteral("two"));
    EXPECT_EQ(failureOf([&] { table.readColumns(noCount); }), "Error reading column count");

    TColumnStream unknownClass;
    unknownClass.write(1);
    unknownClass.write(7);
    EXPECT_EQ(failureOf([&] { table.readColumns(unknownClass); }),
              "Error Column Class not defined");

    // The first column is read; the second one is cut short and discarded.
    TColumnStream truncated;
    truncated.write(2);
    truncated.writeColumn(TColumnDefinition::real({"Depth"}, "L2", 1.5));
    truncated.write(static_cast<int>(TColumnClass::Int));
    truncated.write(QStringList{"Node"});
    truncated.write(true);
    EXPECT_EQ(failureOf([&] { table.readColumns(truncated); }),
              "Error occured when creating column 1: Stream read error");
    ASSERT_EQ(table.columnCount(), 1);
    EXPECT_EQ(table.column(0).definition(), TColumnDefinition::real({"Depth"}, "L2", 1.5));

    TColumnStream mistyped;
    mistyped.write(1);
    mistyped.write(static_cast<int>(TColumnClass::Enum));
    mistyped.write(QStringLiteral("not a list"));
    EXPECT_EQ(failureOf([&] { table.readColumns(mistyped); }),
              "Error occured when creating column 0: Invalid property value");

    TColumnStream topDepthLast;
    TColumnDefinition top = TColumnDefinition::real({"Top"});
    top.topDepth = true;
    topDepthLast.write(2);
    topDepthLast.writeColumn(top);
    topDepthLast.writeColumn(TColumnDefinition::text({"Name"}, "", 1));
    EXPECT_EQ(failureOf([&] { table.readColumns(topDepthLast); }),
              "Error occured when creating column 1: If column if a topdepth then the next column "
              "must be a float column");

    TGridTableChart chart(chartRegistry);
    TColumnStream noGraphic;
    noGraphic.write(1);
    noGraphic.writeColumn(TColumnDefinition::real({"y"}, "L"));
    noGraphic.write(true);
    EXPECT_EQ(failureOf([&] { chart.readColumns(noGraphic); }), "Error reading graphic parameters");
}

TEST_F(ColumnStreamTest, OlderColumnForms) {
    TGridTable clay(registry);  // position 0 in the table list
    clay.setIdentifier(18);
    TGridTable table(registry);
    TColumnStream stream;
    stream.write(3);
    // A sub-table column first names its template by position in the table list.
    stream.write(static_cast<int>(TColumnClass::Table));
    stream.write(QStringList{"Edit"});
    stream.write(true);
    stream.write(false);
    stream.write(0);
    // A float column without the marker: the string is the unit, the default 0.
    stream.write(static_cast<int>(TColumnClass::Float));
    stream.write(QStringList{"Depth"});
    stream.write(true);
    stream.write(false);
    stream.write(false);
    stream.write(QStringLiteral("L2"));
    stream.writeColumn(TColumnDefinition::text({"Note"}, "x", 2));
    table.readColumns(stream);
    ASSERT_EQ(table.columnCount(), 3);
    EXPECT_EQ(table.column(0).definition().templates, QList<int>{18});
    EXPECT_EQ(table.column(1).definition(), TColumnDefinition::real({"Depth"}, "L2"));

    // After a choice column: one reference per choice, the choice number
    // itself unless the button is hard-wired.
    for (const bool hardwired : {false, true}) {
        TGridTable layers(registry);
        layers.setHardwiredButton(hardwired);
        TColumnStream legacy;
        legacy.write(2);
        legacy.writeColumn(TColumnDefinition::choice({"Type"}, {"a", "b", "c"}));
        legacy.write(static_cast<int>(TColumnClass::Table));
        legacy.write(QStringList{"Edit"});
        legacy.write(true);
        legacy.write(false);
        legacy.write(18);
        layers.readColumns(legacy);
        EXPECT_EQ(layers.column(1).definition().templates,
                  hardwired ? (QList<int>{18, 18, 18}) : (QList<int>{1, 2, 3}));
    }
}
