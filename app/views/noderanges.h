#pragma once

#include <vector>

class TGridTable;

// The node range of one row of a table whose first three columns are the constant-or-interpolate
// choice, the start node and the end node (concentrated loads, springs). An interpolating row
// runs to the end node of the next row, which is then consumed.
struct TNodeRange {
    int row = 0;  // the row whose values apply
    int first = 0;
    int last = 0;

    [[nodiscard]] static std::vector<TNodeRange> rangesOf(const TGridTable& table);
};
