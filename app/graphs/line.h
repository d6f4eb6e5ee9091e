#pragma once

#include <QString>
#include <vector>

#include "app/graphs/floatpoint.h"

class TGraphPlot;

// One curve of a graph: its points in drawing order and how it is named and shown.
class TLine {
  public:
    TLine(const TGraphPlot* graph, double value, int pointCount);

    std::vector<TFloatPoint> Points;
    double Value = 0.0;  // names the curve when Name is empty (p-y curves: their depth)
    QString Name;
    bool Visible = true;  // drawn, and marked " *" in the legend
    bool Active = true;   // listed in the legend and the curve menu, eligible for drawing

    [[nodiscard]] const TGraphPlot* Graph() const { return m_graph; }
    // Name, or the graph's CurveName immediately followed by Value ("Load #1", "Depth120").
    [[nodiscard]] QString DisplayName() const;
    [[nodiscard]] int PointCount() const { return static_cast<int>(Points.size()); }
    // Gives the curve exactly n points: removes from the end or appends (0, 0) points.
    void SetPointCount(int n);
    // Extends the curve to n points by repeating its last point, or with (0, 0) points when it
    // has none. A longer curve is left alone.
    void PadTo(int n);

  private:
    const TGraphPlot* m_graph;
};
