#pragma once

#include <QByteArray>
#include <vector>

#include "app/export/zipentries.h"

// The chart legend as the plots show it: a black border on a white fill. libxlsxwriter writes
// legends without shape properties, so they are added to the chart parts of the archive.

// The chart part with its legend framed; a part without a legend comes back unchanged.
[[nodiscard]] QByteArray FramedLegend(const QByteArray& chartXml);

// Frames the legend of every chart part ("xl/charts/chartN.xml") of a workbook archive.
void FrameChartLegends(std::vector<TZipEntry>& entries);
