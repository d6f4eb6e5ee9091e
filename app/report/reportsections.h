// The sections of the calculation report drawn in order on the canvas's pages.
#pragma once

#include <vector>

#include "app/report/reportcanvas.h"

struct TReportContent;

// `contents` lists the sections with the pages of an earlier pass (empty in the first).
// Only the cover's contents depend on it.
void DrawReport(TReportCanvas& canvas, const TReportContent& content,
                const std::vector<TContentsEntry>& contents);
