#include "app/tables/projecttables.h"

#include <gtest/gtest.h>

#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/gridtablechart.h"

TEST(ProjectTables, SandChoiceReplacesTheLayerParameterTable) {
    TProjectTables tables;
    TGridTable& soil = tables.table(TableName::NewSoil);
    ASSERT_EQ(soil.rowCount(), 1);
    EXPECT_EQ(soil.subTable(2, 0)->caption(), "Clay");
    soil.setInteger(0, 0, 4);
    TGridTable* sand = soil.subTable(2, 0);
    ASSERT_NE(sand, nullptr);
    EXPECT_EQ(sand->caption(), "Sand");
    EXPECT_EQ(sand->rowCount(), 2);
    EXPECT_EQ(sand->windowCaption(), "Sand  1");
}
