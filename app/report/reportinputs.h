// The inputs of a project as report tables, stage by stage: the wall, its configuration, the
// soil layers with their parameters, the loads, springs, specified deflections, tiebacks,
// moment vs EI sets, p-y modification factors, user p-y curves and the options, each table
// with the captions and units of the project's own tables; and the soil profile drawing.
#pragma once

#include <QSize>
#include <QString>
#include <vector>

#include "app/report/reporttable.h"
#include "app/views/sidedrawing.h"

class TGridTable;
class TProgramData;

struct TStageInputs {
    QString label;  // "Analysis", or "Stage 2"
    std::vector<TReportTable> tables;
    TSideDrawing profile;  // the side view's drawing for a page area of the size asked for
    QStringList messages;  // what reading the stage's file reported
};

// A data table as report tables: its visible columns with their headings and units, then the
// tables held in its cells (the parameters of each soil layer, the points of each curve).
[[nodiscard]] std::vector<TReportTable> TablesOf(const TGridTable& table);

// Every stage of the project, read from its stage file in turn (the project must be saved so
// that its stage files are current); the project holds its current stage again afterwards,
// with the same modified state.
[[nodiscard]] std::vector<TStageInputs> CollectStageInputs(TProgramData& project,
                                                           QSize profileArea);

// The name of a unit system: "English", "SI", "Generic".
[[nodiscard]] QString UnitSystemName(int units);
