#include "app/graphs/plotpainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/graphs/curvecolours.h"
#include "app/graphs/graphplot.h"
#include "app/graphs/markershape.h"
#include "app/graphs/plotview.h"
#include "app/graphs/soilstrip.h"
#include "app/graphs/unitstrings.h"

namespace {

// The window font: 14 pixels at 96 pixels per inch.
constexpr double kFontPixelsAt96 = 14.0;
// Grid density: one major division per m text heights, fewer in the three-panel layout.
constexpr int kDivisionsOnePanel = 6;
constexpr int kDivisionsThreePanels = 4;

int px(double v) { return static_cast<int>(std::lround(v)); }

const std::vector<TLine>& panelLines(const TGraphPlot& g, int panel) {
    static constexpr TCurveList lists[] = {TCurveList::Lines, TCurveList::Lines2,
                                           TCurveList::Lines3};
    return g.curves(lists[panel]);
}

struct TPanelCaptions {
    QString x, y;
};

TPanelCaptions captionsOf(const TGraphPlot& g, int panel) {
    const int u = g.Units();
    switch (panel) {
        case 1:
            return {AxisCaption(g.XCaption2, g.XUnits2, u), AxisCaption(g.YCaption2, g.YUnits, u)};
        case 2:
            return {AxisCaption(g.XCaption3, g.XUnits3, u), AxisCaption(g.YCaption3, g.YUnits, u)};
        default:
            return {AxisCaption(g.XCaption, g.XUnits, u), AxisCaption(g.YCaption, g.YUnits, u)};
    }
}

}  // namespace

void DrawOutline(QPainter& p, const QRect& r) { p.drawRect(r.adjusted(0, 0, -1, -1)); }

void DrawRotatedText(QPainter& p, QPointF centre, const QString& text) {
    const QFontMetrics fm = p.fontMetrics();
    p.save();
    p.translate(centre);
    p.rotate(-90);
    const QRectF box(-fm.horizontalAdvance(text) / 2.0 - 2, -fm.height() / 2.0,
                     fm.horizontalAdvance(text) + 4, fm.height());
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

TPlotPainter::TPlotPainter(const TGraphPlot& graph, const TPlotView& view)
    : m_graph(graph), m_view(view) {}

void TPlotPainter::setLegend(std::vector<TLegendEntry> entries, QPointF relativePosition) {
    m_legend = std::move(entries);
    m_legendPosition = relativePosition;
}

QFont TPlotPainter::font(double dpiY, int scale) const {
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(std::max(1, px(kFontPixelsAt96 * dpiY / 96.0 * scale / 10.0)));
    return f;
}

QFont TPlotPainter::legendFont(double dpiY) const {
    QFont f = font(dpiY, 10);
    // LegendFont is in points at text scale 10.
    f.setPixelSize(std::max(1, px(m_graph.LegendFont * m_graph.SizeFont / 10.0 * dpiY / 72.0)));
    return f;
}

TPlotLayout TPlotPainter::layout(const TDrawDevice& device) const {
    return TPlotLayout::Compute(m_graph, device, font(device.dpiY, m_graph.SizeFont).pixelSize());
}

TPanelMapping TPlotPainter::mapping(const TPlotLayout& layout, int panel) const {
    return {layout.panel(panel), m_view.view(panel), m_graph.XOnTop};
}

void TPlotPainter::draw(QPainter& p, const TDrawDevice& d) const {
    p.save();
    p.fillRect(d.area, Qt::white);
    if (d.area.width() < d.dpiX || d.area.height() < d.dpiY) {
        p.restore();
        return;
    }
    const TPlotLayout l = layout(d);
    const int h = font(d.dpiY, m_graph.SizeFont).pixelSize();
    drawCaptions(p, d, l);
    for (int panel = 0; panel < l.panelCount; ++panel) drawGrid(p, d, mapping(l, panel), h);
    drawCurves(p, d, l);
    if (d.isOutput() && !m_legend.empty()) drawOutputLegend(p, d, l);
    if (m_graph.ShowLayers && !l.strip.isEmpty()) {
        TSoilStrip strip{m_graph, l.strip, mapping(l, 0), font(d.dpiY, 10), d.dpiX};
        strip.draw(p);
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    for (int panel = 0; panel < l.panelCount; ++panel) DrawOutline(p, l.panel(panel));
    p.restore();
}

void TPlotPainter::drawCaptions(QPainter& p, const TDrawDevice& d, const TPlotLayout& l) const {
    QFont bold = font(d.dpiY, m_graph.SizeFont);
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::black);
    const int h = bold.pixelSize();
    const QFontMetrics fm = p.fontMetrics();
    const QRect& a = l.area;
    const bool hasTitle = !m_graph.Title.isEmpty();
    const bool titleTop = hasTitle && m_graph.TitleOnTop;
    const bool titleBottom = hasTitle && !m_graph.TitleOnTop;
    if (hasTitle) {
        const QRect line = titleTop
                               ? QRect(a.left(), a.top(), a.width(), fm.height())
                               : QRect(a.left(), a.bottom() - fm.height(), a.width(), fm.height());
        p.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, m_graph.Title);
    }

    if (l.panelCount == 1) {
        const TPanelCaptions c = captionsOf(m_graph, 0);
        const int y = m_graph.XOnTop ? a.top() + (titleTop ? fm.height() : 0)
                                     : a.bottom() - fm.height() - (titleBottom ? fm.height() : 0);
        p.drawText(QRect(a.left(), y, a.width(), fm.height()), Qt::AlignCenter, c.x);
        DrawRotatedText(p, QPointF(a.left() + h / 2.0, a.center().y()), c.y);
        return;
    }
    for (int panel = 0; panel < l.panelCount; ++panel) {
        const TPanelCaptions c = captionsOf(m_graph, panel);
        const QRect& r = l.panel(panel);
        const int inset = px(d.dpiY / 16);
        int y;
        if (m_graph.XOnTop)
            y = a.top() + inset + (titleTop ? px(d.dpiY / 4) : 0);
        else
            y = a.bottom() - inset - fm.height() - (titleBottom ? px(d.dpiY / 4) : 0);
        p.drawText(QRect(r.left(), y, r.width(), fm.height()), Qt::AlignCenter, c.x);
        const double x = r.left() - d.dpiX / 8 - 2 * h + h / 2.0;
        DrawRotatedText(p, QPointF(x, r.center().y()), c.y);
    }
}

void TPlotPainter::drawGrid(QPainter& p, const TDrawDevice& d, const TPanelMapping& m,
                            int h) const {
    const int m6 = m_graph.ShowThree ? kDivisionsThreePanels : kDivisionsOnePanel;
    const int nx = m.rect.width() / (m6 * h);
    const int ny = m.rect.height() / (m6 * h);
    if (nx == 0 || ny == 0) return;
    p.setFont(font(d.dpiY, m_graph.SizeFont));
    const QFontMetrics fm = p.fontMetrics();
    const QPen tickPen(Qt::black, 1);
    QPen gridPen(Qt::gray, 1, Qt::DotLine);
    const int tickX = px(d.dpiY / 16), tickY = px(d.dpiX / 16);
    const QRect& r = m.rect;

    int nextFreeX = std::numeric_limits<int>::min();
    for (const TTick& t : AxisTicks(m.range.x, nx)) {
        const int x = m.toPixelX(t.value);
        const int edge = m_graph.XOnTop ? r.top() : r.bottom();
        const int inward = m_graph.XOnTop ? tickX : -tickX;
        p.setPen(tickPen);
        p.drawLine(x, edge, x, edge + inward);
        if (!t.major) continue;
        p.setPen(gridPen);
        p.drawLine(x, r.top(), x, r.bottom());
        p.setPen(Qt::black);
        const QString label = TickLabel(t.value);
        const int w = fm.horizontalAdvance(label);
        // Long labels ("2e+05") on a narrow panel would run into each other: skip those that
        // would touch the previous one, the grid line stays.
        if (x - w / 2 < nextFreeX) continue;
        nextFreeX = x + w / 2 + fm.horizontalAdvance(QLatin1Char(' '));
        const int baseline = m_graph.XOnTop ? r.top() - px(d.dpiY / 32) - fm.descent()
                                            : r.bottom() + px(d.dpiY / 16) + fm.ascent();
        p.drawText(x - w / 2, baseline, label);
    }
    int nextFreeY = std::numeric_limits<int>::min();
    for (const TTick& t : AxisTicks(m.range.y, ny)) {
        const int y = m.toPixelY(t.value);
        p.setPen(tickPen);
        p.drawLine(r.left(), y, r.left() + tickY, y);
        if (!t.major) continue;
        p.setPen(gridPen);
        p.drawLine(r.left(), y, r.right(), y);
        p.setPen(Qt::black);
        const QString label = TickLabel(t.value);
        const int w = fm.horizontalAdvance(label);
        const int start = m_graph.XOnTop ? y - w / 2 : -(y + w / 2);  // along the label order
        if (start < nextFreeY) continue;
        nextFreeY = start + w + fm.horizontalAdvance(QLatin1Char(' '));
        const double x = r.left() - fm.height() - d.dpiX / 32 + fm.height() / 2.0;
        DrawRotatedText(p, QPointF(x, y), label);
    }
}

void TPlotPainter::drawCurves(QPainter& p, const TDrawDevice& d, const TPlotLayout& l) const {
    if (!m_graph.HasDrawableCurves()) return;
    const std::vector<TLine>& main = m_graph.Lines();
    const int penWidth = (px(d.dpiX / 300) + 1) * m_graph.WidthLine;
    // Result rows run one station past the tip; the three-panel view leaves it out.
    const bool dropLast = l.panelCount == 3 && main.size() > 1;
    p.setRenderHint(QPainter::Antialiasing, d.isOutput());
    for (int panel = 0; panel < l.panelCount; ++panel) {
        const TPanelMapping m = mapping(l, panel);
        const std::vector<TLine>& curves = panelLines(m_graph, panel);
        p.save();
        p.setClipRect(m.rect.adjusted(0, 0, 1, 1));
        int position = 0;
        for (std::size_t i = 0; i < main.size() && i < curves.size(); ++i) {
            if (!main[i].Active) continue;
            const QColor colour = CurveColour(position++);
            if (!main[i].Visible) continue;
            const std::vector<TFloatPoint>& pts = curves[i].Points;
            const std::size_t count = dropLast && !pts.empty() ? pts.size() - 1 : pts.size();
            QPolygon line;
            for (std::size_t k = 0; k < count; ++k) line << m.toPixel(pts[k].X, pts[k].Y);
            p.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(colour);
            p.drawPolyline(line);
            p.setPen(QPen(colour, std::max(1, penWidth / 2)));
            p.setBrush(Qt::NoBrush);
            const int shape = MarkerShape(static_cast<int>(i));
            for (int k : MarkerIndices(static_cast<int>(line.size()), m_graph.Markers))
                p.drawPolygon(MarkerPolygon(shape, line[k], d.dpiX, d.dpiY));
        }
        p.restore();
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void TPlotPainter::drawOutputLegend(QPainter& p, const TDrawDevice& d, const TPlotLayout& l) const {
    const std::vector<TLine>& main = m_graph.Lines();
    std::vector<std::pair<int, const TLegendEntry*>> shown;  // position in the legend, entry
    for (std::size_t i = 0; i < m_legend.size(); ++i) {
        const int curve = m_legend[i].curve;
        if (curve >= 0 && curve < static_cast<int>(main.size()) && main[curve].Visible)
            shown.emplace_back(static_cast<int>(i), &m_legend[i]);
    }
    if (shown.empty()) return;
    p.setFont(legendFont(d.dpiY));
    const QFontMetrics fm = p.fontMetrics();
    int widest = 0;
    for (const auto& [pos, e] : shown) widest = std::max(widest, fm.horizontalAdvance(e->text));
    const int gapY = px(d.dpiY / 32);
    const QRect& plot = l.plot;
    QRect box(plot.left() + px(m_legendPosition.x() * plot.width()),
              plot.top() + px(m_legendPosition.y() * plot.height()), widest + px(3 * d.dpiX / 16),
              static_cast<int>(shown.size()) * (fm.height() + gapY) + gapY);
    // A legend near the window's corner would stick out of the plot: it is moved back in.
    box.moveRight(std::min(box.right(), plot.right()));
    box.moveBottom(std::min(box.bottom(), plot.bottom()));
    box.moveLeft(std::max(box.left(), l.area.left()));
    box.moveTop(std::max(box.top(), l.area.top()));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    DrawOutline(p, box);
    int top = box.top() + gapY;
    for (const auto& [pos, e] : shown) {
        const double midY = top + fm.height() / 2.0;
        const double markerX = box.left() + d.dpiX / 16;
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(MarkerPolygon(MarkerShape(e->curve), QPointF(markerX, midY), d.dpiX, d.dpiY));
        p.setPen(CurveColour(pos));
        p.drawText(QPointF(markerX + d.dpiX / 16, top + fm.ascent()), e->text);
        top += fm.height() + gapY;
    }
}
