// The result rows of every block of a plot-data file: depth, deflection,
// moment, shear and net reaction of stations 0 .. NINC + 1, printed with
// four significant digits (one more than the report's table).
#pragma once

#include <istream>
#include <vector>

#include "app/results/result_row.h"

namespace keldra::results {

struct PlotBlocks {
    std::vector<std::vector<ResultRow>> results;  // per block, in problem order
    // The file ended or broke off inside a block; the blocks before it are
    // complete. A run that stopped on its input leaves its last block so.
    bool complete = true;
};

[[nodiscard]] PlotBlocks ReadPlotBlocks(std::istream& plot);

}  // namespace keldra::results
