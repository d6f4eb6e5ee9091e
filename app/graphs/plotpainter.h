#pragma once

#include <QFont>
#include <QPointF>
#include <QString>
#include <vector>

#include "app/graphs/panelmapping.h"
#include "app/graphs/plotlayout.h"

class QPainter;
class TGraphPlot;
class TPlotView;

// One entry of the legend: the curve it lists and its text.
struct TLegendEntry {
    int curve = 0;
    QString text;
};

// Draws a graph: one path for the screen, a printer page and a picture; only the device's
// resolution, area and target differ.
class TPlotPainter {
  public:
    TPlotPainter(const TGraphPlot& graph, const TPlotView& view);

    // The legend drawn into an output, at a position given as fractions of the window's size.
    void setLegend(std::vector<TLegendEntry> entries, QPointF relativePosition);

    void draw(QPainter& painter, const TDrawDevice& device) const;

    // The window font at the graph's text scale for a device resolution; its pixel size is h.
    [[nodiscard]] QFont font(double dpiY, int scale) const;
    // The legend's font: LegendFont points scaled by the graph's text scale.
    [[nodiscard]] QFont legendFont(double dpiY) const;
    [[nodiscard]] TPlotLayout layout(const TDrawDevice& device) const;
    [[nodiscard]] TPanelMapping mapping(const TPlotLayout& layout, int panel) const;

  private:
    void drawCaptions(QPainter& p, const TDrawDevice& d, const TPlotLayout& l) const;
    void drawGrid(QPainter& p, const TDrawDevice& d, const TPanelMapping& m, int h) const;
    void drawCurves(QPainter& p, const TDrawDevice& d, const TPlotLayout& l) const;
    void drawOutputLegend(QPainter& p, const TDrawDevice& d, const TPlotLayout& l) const;

    const TGraphPlot& m_graph;
    const TPlotView& m_view;
    std::vector<TLegendEntry> m_legend;
    QPointF m_legendPosition{0.7, 0.7};
};

// Outlines a rectangle on its own outermost pixels (a plain drawRect strokes one pixel past the
// right and bottom edge, which falls off a page whose area the plot fills).
void DrawOutline(QPainter& p, const QRect& r);

// Draws text rotated by 90 degrees (reading upwards), centred on `centre`.
void DrawRotatedText(QPainter& p, QPointF centre, const QString& text);
