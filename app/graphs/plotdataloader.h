#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "app/graphs/resultgraphs.h"

class TWordReader;

// One row of the soil-layer table as the three-panel graph needs it.
struct TSoilLayerRow {
    int soilType = 1;          // 1..7 as numbered in the soil-layer table
    double bottomDepth = 0.0;  // depth of the layer's bottom, in the table's display unit
};

// What the loader takes from the current project.
struct TPlotProject {
    int unitSystem = 1;     // 1 English, 2 SI, 3 generic
    bool longTerm = false;  // short-term and long-term analyses
    std::vector<TSoilLayerRow> soilLayers;
    double wallTipDepth = 0.0;  // number of increments x increment length, project units
    double freeHeight = 0.0;    // free height H of the wall, project units
};

class TProgramData;

// What the loader takes from a project: units, the long-term option, the soil layers and the
// wall's length and free height.
[[nodiscard]] TPlotProject PlotProjectOf(const TProgramData& project);

// A file never holds more blocks than a run has problems: five construction stages at most.
inline constexpr int kMaxPlotBlocks = 5;

inline const QString kPlotDataFailed =
    QStringLiteral("An error occured in running the main program.");

// Reads a plot-data file into the graphs. True when the whole file was read. On an input/output
// error (missing file, a word that is not the number asked for, the end of the data) the load
// stops, `showError` (when set) is told kPlotDataFailed, and false is returned; what was read
// before stays in the graphs, captions and units are not updated.
[[nodiscard]] bool LoadPlotData(TResultGraphs& graphs, const QString& fileName,
                                const TPlotProject& project,
                                const std::function<void(const QString&)>& showError = {});

// The same from a reader positioned at the file's start; raises EInOutError.
void LoadPlotData(TResultGraphs& graphs, TWordReader& reader, const TPlotProject& project);

// The soil-layer line of a soil type: its name and the fill code of the soil strip.
struct TSoilLayerStyle {
    QString name;
    int code;
};
[[nodiscard]] TSoilLayerStyle SoilLayerStyle(int soilType);
