#include "app/forms/gridsnap.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

int columnCount(const TGridMetrics& m) { return static_cast<int>(m.columnWidths.size()); }

// The columns from `first` that fit into `width`, at least one.
int columnsThatFit(const TGridMetrics& m, int first, int width) {
    int columns = 0;
    int used = 0;
    for (int c = first; c < columnCount(m); ++c) {
        used += m.columnWidths[c];
        if (used > width && columns > 0) break;
        ++columns;
    }
    return columns;
}

// The rows from `first` that fit into `height`, at least one.
int rowsThatFit(const TGridMetrics& m, int first, int height) {
    const int fit = m.rowHeight > 0 ? height / m.rowHeight : m.rowCount;
    return std::min(std::max(fit, 1), m.rowCount - first);
}

long long area(const QSize& size) { return static_cast<long long>(size.width()) * size.height(); }

}  // namespace

TGridLayout gridLayout(const TGridMetrics& m, int firstColumn, int columns, int firstRow,
                       int rows) {
    const auto from = m.columnWidths.begin() + firstColumn;
    int width = m.fixedWidth + std::accumulate(from, from + columns, 0);
    int height = m.fixedHeight + rows * m.rowHeight;
    if (rows < m.rowCount) width += m.scrollBarWidth;
    if (columns < columnCount(m)) height += m.scrollBarHeight;
    return {firstColumn, columns, firstRow, rows, QSize(width, height)};
}

TGridLayout snapGridLayout(const TGridMetrics& m, const QSize& dragged, int firstColumn,
                           int firstRow) {
    firstColumn = std::clamp(firstColumn, 0, std::max(columnCount(m) - 1, 0));
    firstRow = std::clamp(firstRow, 0, std::max(m.rowCount - 1, 0));
    const int width = dragged.width() - m.fixedWidth;
    const int height = dragged.height() - m.fixedHeight;
    const int allColumns = columnCount(m);
    const int allRows = m.rowCount;

    std::vector<TGridLayout> candidates = {gridLayout(m, 0, allColumns, 0, allRows)};
    // All columns: only the rows are cut, the vertical bar takes width.
    const int rows = rowsThatFit(m, firstRow, height);
    if (rows < allRows) candidates.push_back(gridLayout(m, 0, allColumns, firstRow, rows));
    // All rows: only the columns are cut, the horizontal bar takes height.
    const int columns = columnsThatFit(m, firstColumn, width);
    if (columns < allColumns) candidates.push_back(gridLayout(m, firstColumn, columns, 0, allRows));
    // Both cut: both bars are shown.
    const int bothColumns = columnsThatFit(m, firstColumn, width - m.scrollBarWidth);
    const int bothRows = rowsThatFit(m, firstRow, height - m.scrollBarHeight);
    if (bothColumns < allColumns && bothRows < allRows)
        candidates.push_back(gridLayout(m, firstColumn, bothColumns, firstRow, bothRows));

    const long long target = area(dragged);
    return *std::min_element(
        candidates.begin(), candidates.end(), [target](const TGridLayout& a, const TGridLayout& b) {
            return std::llabs(area(a.size) - target) < std::llabs(area(b.size) - target);
        });
}
