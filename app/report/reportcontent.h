// What the calculation report shows, gathered before it is drawn: the heading, the inputs and
// soil profile of every stage, the results summary, its warnings and its subdivision check,
// the result graphs and the text report.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "app/graphs/resultgraphs.h"
#include "app/report/reportcanvas.h"
#include "app/report/reportinputs.h"
#include "app/report/reporttable.h"

class TProgramData;

struct TReportFiles {
    QString project;  // absolute
    QString report;
    QString plotData;
};

struct TReportContent {
    TReportHeading heading;
    QString projectFile;
    QString runDate;  // the report's "Date: ... Time: ..." line; empty when it has none
    QString units;    // "English", "SI", "Generic"
    std::vector<TStageInputs> stages;
    TReportTable summary;
    QStringList warnings;          // "Stage 2: ..." and the message of a run that stopped
    QStringList subdivisionCheck;  // its lines; none when it is not made
    TResultGraphs graphs;
    QStringList plotProblems;  // why the graphs are missing
    QStringList textReport;    // empty unless asked for
};

// Reads the project's stages, the run's report and plot data, and makes the subdivision check
// of the run with the engine `checkEngine` unless it is empty. `page` is the printable area in
// device pixels, which the soil profile drawings are made for.
[[nodiscard]] std::unique_ptr<TReportContent> CollectReportContent(TProgramData& project,
                                                                   const TReportFiles& files,
                                                                   bool withTextReport,
                                                                   const QString& checkEngine,
                                                                   QSize page);
