#include "app/forms/gridsnap.h"

#include <gtest/gtest.h>

namespace {

// Three columns of 100, 80 and 120 pixels and 12 rows of 20 pixels; 40 pixels
// of frame and row numbers, 30 of frame and header, scroll bars of 16.
TGridMetrics metrics() {
    TGridMetrics m;
    m.columnWidths = {100, 80, 120};
    m.rowCount = 12;
    m.rowHeight = 20;
    m.fixedWidth = 40;
    m.fixedHeight = 30;
    m.scrollBarWidth = 16;
    m.scrollBarHeight = 16;
    return m;
}

TEST(GridSnap, ADraggedSizeSnapsToTheNearestWholeLayout) {
    struct Case {
        const char* name;
        QSize dragged;
        int firstColumn, firstRow;
        TGridLayout expected;
    };
    const Case cases[] = {
        {"all of it", {340, 270}, 0, 0, {0, 3, 0, 12, {340, 270}}},
        {"a little off all of it", {342, 268}, 0, 0, {0, 3, 0, 12, {340, 270}}},
        // 5.6 rows fit: 5 rows and the vertical bar beside all columns.
        {"rows cut", {356, 142}, 0, 0, {0, 3, 0, 5, {356, 130}}},
        {"rows cut from the first row shown", {356, 142}, 0, 9, {0, 3, 9, 3, {356, 90}}},
        // Two columns fit: the horizontal bar under all rows.
        {"columns cut", {230, 286}, 0, 0, {0, 2, 0, 12, {220, 286}}},
        {"columns cut from the first column shown", {250, 286}, 1, 0, {1, 2, 0, 12, {240, 286}}},
        {"both cut", {240, 150}, 0, 0, {0, 2, 0, 5, {236, 146}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TGridLayout snapped = snapGridLayout(metrics(), c.dragged, c.firstColumn, c.firstRow);
        EXPECT_EQ(snapped.firstColumn, c.expected.firstColumn);
        EXPECT_EQ(snapped.columns, c.expected.columns);
        EXPECT_EQ(snapped.firstRow, c.expected.firstRow);
        EXPECT_EQ(snapped.rows, c.expected.rows);
        EXPECT_EQ(snapped.size, c.expected.size);
        // A snapped size stays where it is.
        const TGridLayout again =
            snapGridLayout(metrics(), snapped.size, snapped.firstColumn, snapped.firstRow);
        EXPECT_EQ(again.size, snapped.size);
    }
}

}  // namespace
