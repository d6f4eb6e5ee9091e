#pragma once

#include <QPoint>
#include <QWidget>

#include "app/graphs/plotpainter.h"
#include "app/graphs/plotview.h"

class TGraphPlot;

// The drawing area of a plot window: paints the graph for the screen, shows the value under
// the pointer, zooms in with a rubber band (left button) and out (right button).
class TPlotCanvas : public QWidget {
    Q_OBJECT

  public:
    TPlotCanvas(const TGraphPlot& graph, TPlotView& view, QWidget* parent);

    [[nodiscard]] TDrawDevice device() const;
    [[nodiscard]] TPlotLayout currentLayout() const;
    [[nodiscard]] const TPlotPainter& painter() const { return m_painter; }

    // The read-out for a pointer position: the graph's caption, " X: " and " Y: " with the
    // values (5 significant digits) of the panel under the pointer, clamped to it.
    [[nodiscard]] QString readOut(QPoint pixel) const;
    // The rubber-band rules: a band with width and height becomes the view.
    void zoomToBand(QPoint from, QPoint to);
    void zoomOutAt(QPoint pixel);

  signals:
    void readOutChanged(const QString& text);  // the pointer moved over the graph
    void resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const TGraphPlot& m_graph;
    TPlotView& m_view;
    TPlotPainter m_painter;
    bool m_banding = false;
    QPoint m_bandStart, m_bandEnd;
};
