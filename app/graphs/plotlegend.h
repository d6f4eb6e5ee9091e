#pragma once

#include <QWidget>
#include <vector>

#include "app/graphs/plotpainter.h"

class TGraphPlot;

// The legend of a plot window: an owner-drawn list of the listed curves, each in the colour of
// its position and marked " *" when the curve is visible. It can be dragged anywhere inside the
// window; double-clicking an entry switches its curve on or off.
class TPlotLegend : public QWidget {
    Q_OBJECT

  public:
    TPlotLegend(const TGraphPlot& graph, QWidget* parent);

    void setEntries(std::vector<TLegendEntry> entries);
    [[nodiscard]] const std::vector<TLegendEntry>& entries() const { return m_entries; }
    // The entry font in points; the item height is 3/2 of the font's pixel size.
    void setFontPoints(int points);
    // Height: entries x item height + 3; width: at least 21 pixels, widened to the widest entry
    // plus " *" plus a quarter inch.
    void fitSize();
    // Moves the legend back inside its parent when it sticks out.
    void keepInside();
    [[nodiscard]] int entryAt(QPoint p) const;
    [[nodiscard]] int itemHeight() const;

  signals:
    void curveToggled(int curve);  // a double-clicked entry's curve
    void moved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    [[nodiscard]] QString textOf(const TLegendEntry& e) const;

    const TGraphPlot& m_graph;
    std::vector<TLegendEntry> m_entries;
    bool m_dragging = false;
    QPoint m_grabOffset;
};
