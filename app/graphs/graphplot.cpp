#include "app/graphs/graphplot.h"

#include <algorithm>

TGraphPlot::TGraphPlot() = default;

TGraphPlot::~TGraphPlot() { delete m_window.data(); }

void TGraphPlot::SetUnits(int units) { m_units = std::clamp(units, 1, 3); }

std::vector<TLine>& TGraphPlot::lines(TCurveList list) { return m_lists[static_cast<int>(list)]; }

const std::vector<TLine>& TGraphPlot::lines(TCurveList list) const {
    return m_lists[static_cast<int>(list)];
}

void TGraphPlot::SetLineCount(TCurveList list, int n) {
    std::vector<TLine>& curves = lines(list);
    const auto count = static_cast<std::size_t>(std::max(n, 0));
    if (curves.size() > count)
        curves.erase(curves.begin() + static_cast<long>(count), curves.end());
    while (curves.size() < count)
        curves.emplace_back(this, LineCount(TCurveList::Lines) + 1, PointCount(TCurveList::Lines));
}

void TGraphPlot::SetPointCount(TCurveList list, int n) {
    for (TLine& curve : lines(list)) curve.SetPointCount(n);
}

int TGraphPlot::LineCount(TCurveList list) const { return static_cast<int>(lines(list).size()); }

int TGraphPlot::PointCount(TCurveList list) const {
    const std::vector<TLine>& curves = lines(list);
    return curves.empty() ? 0 : curves.front().PointCount();
}

const TFloatPoint& TGraphPlot::Point(TCurveList list, int curve, int index) const {
    return lines(list)
        .at(static_cast<std::size_t>(curve))
        .Points.at(static_cast<std::size_t>(index));
}

void TGraphPlot::ClearPoints() {
    for (TCurveList list :
         {TCurveList::Lines, TCurveList::LayerLines, TCurveList::Lines2, TCurveList::Lines3})
        SetPointCount(list, 0);
}

bool TGraphPlot::HasDrawableCurves() const {
    return !Lines().empty() && Lines().front().PointCount() > 1;
}
