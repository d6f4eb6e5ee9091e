// The size of a table window's grid in whole columns and rows. A dragged
// window edge snaps to the layout nearest to the dragged size: all columns or
// the columns that fit from the first one shown, and all rows or the rows
// that fit from the first one shown.
#pragma once

#include <QSize>
#include <vector>

// What a grid's size is built from, in pixels.
struct TGridMetrics {
    std::vector<int> columnWidths;  // the data columns
    int rowCount = 0;
    int rowHeight = 0;
    int fixedWidth = 0;       // the frame and the row-number column
    int fixedHeight = 0;      // the frame and the header rows
    int scrollBarWidth = 0;   // the vertical bar, shown when rows are hidden
    int scrollBarHeight = 0;  // the horizontal bar, shown when columns are hidden
};

// Columns and rows shown from the first column and row shown, and the grid's size.
struct TGridLayout {
    int firstColumn = 0;
    int columns = 0;
    int firstRow = 0;
    int rows = 0;
    QSize size;
};

// The layout showing `columns` columns from `firstColumn` and `rows` rows from `firstRow`.
[[nodiscard]] TGridLayout gridLayout(const TGridMetrics& metrics, int firstColumn, int columns,
                                     int firstRow, int rows);

// The candidate layout whose area is nearest to the dragged size.
[[nodiscard]] TGridLayout snapGridLayout(const TGridMetrics& metrics, const QSize& dragged,
                                         int firstColumn, int firstRow);
