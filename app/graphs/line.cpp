#include "app/graphs/line.h"

#include <algorithm>

#include "app/graphs/graphplot.h"

TLine::TLine(const TGraphPlot* graph, double value, int pointCount)
    : Points(static_cast<std::size_t>(std::max(pointCount, 0))), Value(value), m_graph(graph) {}

QString TLine::DisplayName() const {
    if (!Name.isEmpty()) return Name;
    const QString prefix = m_graph ? m_graph->CurveName : QString();
    return prefix + QString::number(Value, 'g', 15);
}

void TLine::SetPointCount(int n) { Points.resize(static_cast<std::size_t>(std::max(n, 0))); }

void TLine::PadTo(int n) {
    if (PointCount() >= n) return;
    const TFloatPoint fill = Points.empty() ? TFloatPoint{} : Points.back();
    Points.resize(static_cast<std::size_t>(n), fill);
}
