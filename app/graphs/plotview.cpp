#include "app/graphs/plotview.h"

#include <algorithm>

#include "app/graphs/graphplot.h"

namespace {

constexpr double kMinimumZoom = 1.0 / 20.0;

// Shifts [lo, lo + width] back inside the full range when it sticks out.
TAxisRange shiftedInside(TAxisRange full, double lo, double width) {
    lo = std::clamp(lo, full.min, full.max - width);
    return {lo, lo + width};
}

}  // namespace

TAxisRange ZoomedIn(TAxisRange full, double a, double b) {
    const double lo = std::clamp(std::min(a, b), full.min, full.max);
    const double hi = std::clamp(std::max(a, b), full.min, full.max);
    const double minimum = full.width() * kMinimumZoom;
    if (hi - lo >= minimum) return {lo, hi};
    return shiftedInside(full, (lo + hi) / 2 - minimum / 2, minimum);
}

TAxisRange ZoomedOut(TAxisRange full, TAxisRange current, double p) {
    const double b = std::min(current.width(), full.width() / 2);
    p = std::clamp(p, full.min + b, full.max - b);
    return {p - b, p + b};
}

std::optional<TPlotView> TPlotView::ForGraph(const TGraphPlot& graph) {
    TPlotView v;
    const TCurveList lists[kPanels] = {TCurveList::Lines, TCurveList::Lines2, TCurveList::Lines3};
    for (int panel = 0; panel < kPanels; ++panel) {
        const std::optional<TPanelRange> range = CurveRange(graph.curves(lists[panel]));
        if (!range) return std::nullopt;
        v.m_full[idx(panel)] = v.m_view[idx(panel)] = *range;
    }
    return v;
}

void TPlotView::zoomIn(int panel, const TPanelRange& band) {
    const TPanelRange& f = m_full[idx(panel)];
    m_view[idx(panel)] = {ZoomedIn(f.x, band.x.min, band.x.max),
                          ZoomedIn(f.y, band.y.min, band.y.max)};
}

void TPlotView::zoomOut(int panel, double x, double y) {
    const TPanelRange& f = m_full[idx(panel)];
    TPanelRange& v = m_view[idx(panel)];
    v = {ZoomedOut(f.x, v.x, x), ZoomedOut(f.y, v.y, y)};
}
