#include "app/graphs/soilstrip.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/graphs/graphplot.h"
#include "app/graphs/plotpainter.h"
#include "app/graphs/soilpatterns.h"

namespace {

struct TLayer {
    double bottom;
    int code;
    QString name;
};

// The soil layers to draw as bands: every layer line when there are no wall lines, else the
// lines before them.
std::vector<TLayer> layersOf(const TGraphPlot& g) {
    const std::vector<TLine>& lines = g.LayerLines();
    const int count = g.WallLineCount > 0 ? std::min<int>(g.WallLineCount, lines.size())
                                          : static_cast<int>(lines.size());
    std::vector<TLayer> layers;
    for (int i = 0; i < count; ++i) {
        const TLine& line = lines[static_cast<std::size_t>(i)];
        if (line.Points.empty()) continue;
        layers.push_back({line.Points.front().Y,
                          static_cast<int>(std::lround(line.Points.front().X)),
                          line.DisplayName()});
    }
    return layers;
}

// Depth of a wall line: 0 tip, 1 free height.
std::optional<double> wallDepth(const TGraphPlot& g, int which) {
    const std::size_t i = static_cast<std::size_t>(g.WallLineCount + which);
    if (g.WallLineCount <= 0 || i >= g.LayerLines().size() || g.LayerLines()[i].Points.empty())
        return std::nullopt;
    return g.LayerLines()[i].Points.front().Y;
}

}  // namespace

void TSoilStrip::draw(QPainter& p) const {
    p.save();
    p.setClipRect(strip.adjusted(0, 0, 1, 1));
    p.setRenderHint(QPainter::Antialiasing, false);
    if (graph.ShowWall && wallDepth(graph, 0))
        drawWithWall(p);
    else
        drawLayers(p);
    p.restore();
}

void TSoilStrip::drawBand(QPainter& p, int left, int right, double top, double bottom,
                          int code) const {
    const int plotBottom = strip.bottom();
    const int y0 = std::min(depth.toPixelY(top), plotBottom);
    const int y1 = std::min(depth.toPixelY(bottom), plotBottom);
    if (y1 <= y0) return;
    const QRect band(QPoint(left, y0), QPoint(right, y1));
    p.setBrushOrigin(band.topLeft());
    p.fillRect(band, SoilFill(code, dpi));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    DrawOutline(p, band);
}

void TSoilStrip::drawLayers(QPainter& p) const {
    p.setFont(nameFont);
    const QFontMetrics fm = p.fontMetrics();
    double top = 0.0;
    for (const TLayer& layer : layersOf(graph)) {
        drawBand(p, strip.left(), strip.right(), top, layer.bottom, layer.code);
        const int y0 = std::min(depth.toPixelY(top), strip.bottom());
        const int y1 = std::min(depth.toPixelY(layer.bottom), strip.bottom());
        // The name keeps its blanks (" CLAY "): they widen the white ground around it.
        const QString& name = layer.name;
        const int w = fm.horizontalAdvance(name) + 4;
        // A name is shown whole or not at all: a narrow strip (a saved picture gives it only
        // half an inch) keeps just its patterns.
        if (y1 - y0 > fm.height() && w <= strip.width() - 2 && !name.trimmed().isEmpty()) {
            const QRect label(strip.center().x() - w / 2, (y0 + y1) / 2 - fm.height() / 2, w,
                              fm.height());
            p.fillRect(label, Qt::white);
            p.setPen(Qt::black);
            p.drawText(label, Qt::AlignCenter, name);
        }
        top = layer.bottom;
    }
}

void TSoilStrip::drawWithWall(QPainter& p) const {
    const int wallLeft = strip.left() + static_cast<int>(std::lround(strip.width() * 2.0 / 5.0));
    const int wallRight = strip.left() + static_cast<int>(std::lround(strip.width() * 3.0 / 5.0));
    const double tip = *wallDepth(graph, 0);
    const double freeHeight = wallDepth(graph, 1).value_or(0.0);
    double top = 0.0;
    for (const TLayer& layer : layersOf(graph)) {
        if (layer.bottom <= freeHeight) {
            drawBand(p, strip.left(), wallLeft, top, layer.bottom, layer.code);
        } else if (top < freeHeight) {
            drawBand(p, strip.left(), wallLeft, top, layer.bottom, layer.code);
            drawBand(p, wallRight, strip.right(), freeHeight, layer.bottom, layer.code);
        } else {
            drawBand(p, strip.left(), strip.right(), top, layer.bottom, layer.code);
        }
        top = layer.bottom;
    }
    const int y0 = strip.top();
    const int y1 = std::min(depth.toPixelY(tip), strip.bottom());
    if (y1 > y0) {
        const QRect wall(QPoint(wallLeft, y0), QPoint(wallRight, y1));
        p.fillRect(wall, Qt::gray);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        DrawOutline(p, wall);
    }
}
