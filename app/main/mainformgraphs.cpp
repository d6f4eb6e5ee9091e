// The result graphs of the main window: loading the plot-data file, the Graphics commands and
// their enabling.
#include <QFileInfo>

#include "app/graphs/messagesink.h"
#include "app/graphs/plotdataloader.h"
#include "app/graphs/plotform.h"
#include "app/main/mainform.h"
#include "app/main/menuenabling.h"

TGraphPlot& TMainForm::graphOf(TGraph graph) {
    switch (graph) {
        case TGraph::PyCurves:
            return m_graphs.pltPY;
        case TGraph::Deflection:
            return m_graphs.pltDef;
        case TGraph::Moment:
            return m_graphs.pltMom;
        case TGraph::Shear:
            return m_graphs.pltShear;
        case TGraph::Reaction:
            return m_graphs.pltSoil;
        case TGraph::EarthPressure:
            return m_graphs.pltLD;
        case TGraph::PressureCombined:
            break;
    }
    return m_graphs.PltCombine;
}

void TMainForm::connectGraphActions() {
    for (int g = 0; g < kGraphCount; ++g)
        connect(m_actions.graphs[g], &QAction::triggered, this,
                [this, g] { TPlotForm::Show(graphOf(TGraph(g)), m_mdiArea); });
    connect(m_actions.deflectionMomentShear, &QAction::triggered, this,
            [this] { TPlotForm::Show(m_graphs.pltDMS, m_mdiArea); });
    connect(m_actions.exportPlots, &QAction::triggered, this, [this] { exportPlots(); });
    connect(m_actions.exportReport, &QAction::triggered, this,
            [this] { exportCalculationReport(); });
}

void TMainForm::loadResults(bool showErrors) {
    const QString plotData = TRunFiles::forProject(m_session.fileName()).plotData;
    m_resultsLoaded = false;
    if (!QFileInfo::exists(plotData)) return;
    TMessageSink report;
    if (showErrors)
        report = [this](const QString& message) { m_prompts->information(this, message); };
    m_resultsLoaded = LoadPlotData(m_graphs, plotData, PlotProjectOf(m_session.project()), report);
}

void TMainForm::forgetResults() {
    m_resultsLoaded = false;
    for (TGraphPlot* graph : m_graphs.all()) graph->ClearPoints();
}

void TMainForm::fillGraphEnabling(TEnablingState& state) {
    for (int g = 0; g < kGraphCount; ++g)
        state.graphHasCurves[g] = graphOf(TGraph(g)).HasDrawableCurves();
    // The combined graph asks only for loaded results.
    state.graphHasCurves[static_cast<int>(TGraph::PressureCombined)] = true;
}
