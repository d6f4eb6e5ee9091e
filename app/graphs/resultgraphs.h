#pragma once

#include <array>

#include "app/graphs/graphplot.h"

// The graphs of the main window that the plot-data loader fills, with their design-time
// captions and units.
struct TResultGraphs {
    TResultGraphs();

    TGraphPlot pltLD;       // one earth-pressure curve per block
    TGraphPlot PltCombine;  // total, from soils, from surcharge loads of the first block
    TGraphPlot pltPY;       // the p-y curves of the last block
    TGraphPlot pltDef;
    TGraphPlot pltMom;
    TGraphPlot pltShear;
    TGraphPlot pltSoil;
    TGraphPlot pltDMS;  // deflection, moment and shear in three panels, with soil and wall lines

    [[nodiscard]] std::array<TGraphPlot*, 8> all();
    // The single-quantity result graphs that get one curve per block.
    [[nodiscard]] std::array<TGraphPlot*, 4> depthResults();
};
