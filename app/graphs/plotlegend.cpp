#include "app/graphs/plotlegend.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/graphs/curvecolours.h"
#include "app/graphs/graphplot.h"

namespace {

const QString kVisibleMark = QStringLiteral(" *");

}  // namespace

TPlotLegend::TPlotLegend(const TGraphPlot& graph, QWidget* parent)
    : QWidget(parent), m_graph(graph) {
    setObjectName("Legend");
    setAutoFillBackground(false);
    setCursor(Qt::SizeAllCursor);
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPointSize(graph.LegendFont);
    setFont(f);
}

void TPlotLegend::setEntries(std::vector<TLegendEntry> entries) {
    m_entries = std::move(entries);
    fitSize();
    update();
}

void TPlotLegend::setFontPoints(int points) {
    QFont f = font();
    f.setPointSize(std::max(1, points));
    setFont(f);
    fitSize();
}

int TPlotLegend::itemHeight() const {
    const QFontMetrics fm(font());
    return std::max(fm.height(), fm.ascent() * 3 / 2);
}

QString TPlotLegend::textOf(const TLegendEntry& e) const {
    const std::vector<TLine>& lines = m_graph.Lines();
    const bool visible = e.curve >= 0 && e.curve < static_cast<int>(lines.size()) &&
                         lines[static_cast<std::size_t>(e.curve)].Visible;
    return visible ? e.text + kVisibleMark : e.text;
}

void TPlotLegend::fitSize() {
    const QFontMetrics fm(font());
    int width = 21;
    const int quarterInch = logicalDpiX() / 4;
    for (const TLegendEntry& e : m_entries)
        width = std::max(width, fm.horizontalAdvance(e.text + kVisibleMark) + quarterInch);
    resize(width, static_cast<int>(m_entries.size()) * itemHeight() + 3);
    keepInside();
}

void TPlotLegend::keepInside() {
    if (!parentWidget()) return;
    const QRect room = parentWidget()->rect();
    const int x = std::clamp(this->x(), 0, std::max(0, room.width() - width()));
    const int y = std::clamp(this->y(), 0, std::max(0, room.height() - height()));
    move(x, y);
}

int TPlotLegend::entryAt(QPoint p) const {
    const int row = (p.y() - 1) / itemHeight();
    return row >= 0 && row < static_cast<int>(m_entries.size()) && p.y() >= 1 ? row : -1;
}

void TPlotLegend::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const int h = itemHeight();
    const QFontMetrics fm(font());
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        p.setPen(CurveColour(static_cast<int>(i)));
        const QRect row(4, 1 + static_cast<int>(i) * h, width() - 6, h);
        p.drawText(row, Qt::AlignVCenter | Qt::AlignLeft, textOf(m_entries[i]));
    }
}

void TPlotLegend::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_dragging = true;
    m_grabOffset = event->position().toPoint();
}

void TPlotLegend::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) return;
    move(mapToParent(event->position().toPoint()) - m_grabOffset);
    keepInside();
}

void TPlotLegend::mouseReleaseEvent(QMouseEvent*) {
    if (!m_dragging) return;
    m_dragging = false;
    emit moved();
}

void TPlotLegend::mouseDoubleClickEvent(QMouseEvent* event) {
    m_dragging = false;
    const int row = entryAt(event->position().toPoint());
    if (row >= 0) emit curveToggled(m_entries[static_cast<std::size_t>(row)].curve);
}
