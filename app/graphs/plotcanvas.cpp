#include "app/graphs/plotcanvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/graphs/graphplot.h"

TPlotCanvas::TPlotCanvas(const TGraphPlot& graph, TPlotView& view, QWidget* parent)
    : QWidget(parent), m_graph(graph), m_view(view), m_painter(graph, view) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 120);
}

TDrawDevice TPlotCanvas::device() const {
    return {TDrawTarget::Screen, static_cast<double>(logicalDpiX()),
            static_cast<double>(logicalDpiY()), rect()};
}

TPlotLayout TPlotCanvas::currentLayout() const { return m_painter.layout(device()); }

void TPlotCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_painter.draw(p, device());
    if (!m_banding) return;
    // The band is drawn inverted, so it shows on white and on curves alike.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(Qt::white, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(m_bandStart, m_bandEnd).normalized());
}

void TPlotCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

QString TPlotCanvas::readOut(QPoint pixel) const {
    const TPlotLayout layout = currentLayout();
    int panel = layout.panelAt(pixel);
    if (panel < 0) {
        // Outside every panel: the nearest one, so the values stay clamped to a plot.
        panel = 0;
        for (int i = 1; i < layout.panelCount; ++i)
            if (pixel.x() >= layout.panel(i).left()) panel = i;
    }
    const QPointF v = m_painter.mapping(layout, panel).toValue(pixel);
    return m_graph.Caption + " X: " + QString::number(v.x(), 'g', 5) +
           " Y: " + QString::number(v.y(), 'g', 5);
}

void TPlotCanvas::zoomToBand(QPoint from, QPoint to) {
    const QRect band = QRect(from, to).normalized();
    if (from.x() == to.x() || from.y() == to.y()) return;
    const TPanelMapping m = m_painter.mapping(currentLayout(), 0);
    const QPointF a = m.toValue(band.topLeft()), b = m.toValue(band.bottomRight());
    m_view.zoomIn(0, {{a.x(), b.x()}, {a.y(), b.y()}});
    update();
}

void TPlotCanvas::zoomOutAt(QPoint pixel) {
    const TPanelMapping m = m_painter.mapping(currentLayout(), 0);
    const QPointF v = m.toValue(pixel);
    m_view.zoomOut(0, v.x(), v.y());
    update();
}

void TPlotCanvas::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const TPlotLayout layout = currentLayout();
    if (layout.panelCount != 1 || !layout.plot.contains(at)) return;
    if (event->button() == Qt::LeftButton) {
        m_banding = true;
        m_bandStart = m_bandEnd = at;
    } else if (event->button() == Qt::RightButton) {
        zoomOutAt(at);
    }
}

void TPlotCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit readOutChanged(readOut(at));
    if (!m_banding) return;
    const QRect plot = currentLayout().plot;
    m_bandEnd = QPoint(std::clamp(at.x(), plot.left(), plot.right()),
                       std::clamp(at.y(), plot.top(), plot.bottom()));
    update();
}

void TPlotCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_banding || event->button() != Qt::LeftButton) return;
    m_banding = false;
    zoomToBand(m_bandStart, m_bandEnd);
    update();
}
