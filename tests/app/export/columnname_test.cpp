#include "app/export/columnname.h"

#include <gtest/gtest.h>

TEST(ColumnName, OneLetterThenTwoUpToZZ) {
    const struct {
        int column;
        const char* name;
    } cases[] = {{1, "A"},   {2, "B"},   {26, "Z"},   {27, "AA"},  {28, "AB"},
                 {52, "AZ"}, {53, "BA"}, {676, "YZ"}, {677, "ZA"}, {702, "ZZ"}};
    for (const auto& c : cases) EXPECT_EQ(ColumnName(c.column), c.name) << c.column;
}

TEST(ColumnName, ColumnsOutsideTheNamedRangeHaveNoName) {
    for (int column : {0, -1, 703, 1000}) EXPECT_TRUE(ColumnName(column).isEmpty()) << column;
}
