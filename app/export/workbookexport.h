#pragma once

#include <QString>
#include <vector>

class TGraphPlot;

// Writes the workbook of the graphs, exported as plots 1, 2, ... in the order given, to
// `fileName`. The workbook is built beside its final name and takes that name only when it is
// complete, so a failure leaves no half-written file and an older file of that name as it was.
// Raises EExportError with a message for the user.
void ExportPlotsToWorkbook(const std::vector<const TGraphPlot*>& graphs, const QString& fileName);
