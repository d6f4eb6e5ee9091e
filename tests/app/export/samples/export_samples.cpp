// Writes the workbooks that export_workbooks.py reads back:
//   export_samples <plot-data folder> <output folder>
#include <QDir>
#include <QString>
#include <cstdio>
#include <vector>

#include "app/export/exporterror.h"
#include "app/export/workbookexport.h"
#include "app/graphs/plotdataloader.h"

namespace {

void load(TResultGraphs& graphs, const QDir& data, const char* file, int unitSystem) {
    TPlotProject project;
    project.unitSystem = unitSystem;
    if (!LoadPlotData(graphs, data.filePath(file), project))
        throw EExportError(QString("Cannot load ") + file);
}

// Fourteen curves of three points: curve j runs through (j, 0), (j, 1), (j, 2).
void fillFourteenCurves(TGraphPlot& graph) {
    graph.Caption = "Fourteen Curves";
    graph.XCaption = "Deflection";
    graph.XUnits = "L";
    graph.YCaption = "Depth";
    graph.YUnits = "L2";
    graph.SetUnits(2);
    graph.SetLineCount(TCurveList::Lines, 14);
    graph.SetPointCount(TCurveList::Lines, 3);
    for (int j = 0; j < 14; ++j)
        for (int i = 0; i < 3; ++i) graph.Lines()[j].Points[i] = {double(j + 1), double(i)};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: export_samples <plot-data folder> <output folder>\n");
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    try {
        TResultGraphs stages;
        load(stages, data, "three_stages_si.kd5p", 2);
        ExportPlotsToWorkbook({&stages.pltDef}, out.filePath("deflection.xlsx"));
        ExportPlotsToWorkbook({&stages.pltPY}, out.filePath("py_curves.xlsx"));
        ExportPlotsToWorkbook({}, out.filePath("legend_only.xlsx"));

        TGraphPlot wide;
        fillFourteenCurves(wide);
        ExportPlotsToWorkbook({&wide}, out.filePath("fourteen_curves.xlsx"));

        // The seven graphs of an engine run, in the order the export lists them.
        TResultGraphs run;
        load(run, data, "engine_two_stage.kd5p", 1);
        ExportPlotsToWorkbook({&run.pltPY, &run.pltDef, &run.pltShear, &run.pltMom, &run.pltSoil,
                               &run.pltLD, &run.PltCombine},
                              out.filePath("all_plots.xlsx"));
    } catch (const EExportError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
