#include "app/views/noderanges.h"

#include "app/tables/gridtable.h"

namespace {
constexpr int kInterpolate = 2;  // "Linear Interpolate to End Node of Next Line"
}

std::vector<TNodeRange> TNodeRange::rangesOf(const TGridTable& table) {
    std::vector<TNodeRange> ranges;
    for (int r = 0; r < table.rowCount(); ++r) {
        TNodeRange range{r, table.integer(1, r), table.integer(2, r)};
        const bool interpolates = table.integer(0, r) == kInterpolate && r + 1 < table.rowCount();
        if (interpolates) range.last = table.integer(2, ++r);
        ranges.push_back(range);
    }
    return ranges;
}
