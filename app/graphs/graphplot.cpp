#include "app/graphs/graphplot.h"

#include <algorithm>

TGraphPlot::TGraphPlot() = default;

TGraphPlot::~TGraphPlot() { delete m_window.data(); }

void TGraphPlot::SetUnits(int units) { m_units = std::clamp(units, 1, 3); }

std::vector<TLine>& TGraphPlot::curves(TCurveList list) { return m_lists[static_cast<int>(list)]; }

const std::vector<TLine>& TGraphPlot::curves(TCurveList list) const {
    return m_lists[static_cast<int>(list)];
}

void TGraphPlot::SetLineCount(TCurveList list, int n) {
    std::vector<TLine>& listed = curves(list);
    const auto count = static_cast<std::size_t>(std::max(n, 0));
    if (listed.size() > count)
        listed.erase(listed.begin() + static_cast<long>(count), listed.end());
    while (listed.size() < count)
        listed.emplace_back(this, LineCount(TCurveList::Lines) + 1, PointCount(TCurveList::Lines));
}

void TGraphPlot::SetPointCount(TCurveList list, int n) {
    for (TLine& curve : curves(list)) curve.SetPointCount(n);
}

int TGraphPlot::LineCount(TCurveList list) const { return static_cast<int>(curves(list).size()); }

int TGraphPlot::PointCount(TCurveList list) const {
    const std::vector<TLine>& listed = curves(list);
    return listed.empty() ? 0 : listed.front().PointCount();
}

const TFloatPoint& TGraphPlot::Point(TCurveList list, int curve, int index) const {
    return curves(list)
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
