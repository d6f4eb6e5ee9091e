#include "app/graphs/soilpatterns.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kTileAt96 = 16;

void drawDots(QPainter& p, std::initializer_list<QPointF> at, double r) {
    for (QPointF c : at) p.drawEllipse(c, r, r);
}

void drawPebbles(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2, 3, 5, 3.5));
    p.drawEllipse(QRectF(10, 9, 4, 4));
    p.drawEllipse(QRectF(4, 11.5, 3, 2.5));
}

void drawBricks(QPainter& p) {
    p.drawLine(QPointF(0, 0.5), QPointF(16, 0.5));
    p.drawLine(QPointF(0, 8.5), QPointF(16, 8.5));
    p.drawLine(QPointF(4.5, 0.5), QPointF(4.5, 8.5));
    p.drawLine(QPointF(12.5, 8.5), QPointF(12.5, 16));
}

// Draws one tile in a 16 x 16 coordinate system; the painter is scaled to the device.
bool drawTile(QPainter& p, int code) {
    switch (code) {
        case 1:  // clay: diagonal lines
            p.drawLine(QPointF(0, 16), QPointF(16, 0));
            p.drawLine(QPointF(-8, 8), QPointF(8, -8));
            p.drawLine(QPointF(8, 24), QPointF(24, 8));
            return true;
        case 7:  // sand: a dot grid
            p.setBrush(Qt::black);
            drawDots(p, {{4, 4}, {12, 4}, {4, 12}, {12, 12}, {8, 8}, {0, 8}, {8, 0}}, 0.9);
            return true;
        case 8:  // silt: short horizontal dashes
            p.drawLine(QPointF(1, 4), QPointF(6, 4));
            p.drawLine(QPointF(9, 12), QPointF(14, 12));
            return true;
        case 9:  // strong rock: brick courses
            drawBricks(p);
            return true;
        case 10:  // weak rock: brick courses crossed by diagonals
            drawBricks(p);
            p.drawLine(QPointF(0, 16), QPointF(16, 0));
            return true;
        case 11:  // dots with scattered pebbles
            drawPebbles(p);
            p.setBrush(Qt::black);
            drawDots(p, {{12, 3}, {8, 8}, {1, 9}, {13, 15}}, 0.8);
            return true;
        case 12:  // scattered pebbles
            drawPebbles(p);
            return true;
        default:
            return false;
    }
}

}  // namespace

QImage SoilPatternTile(int code, double dpi) {
    const double scale = std::max(1.0, std::round(dpi / 96.0));
    const int size = static_cast<int>(kTileAt96 * scale);
    QImage tile(size, size, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::white);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::NoBrush);
    if (!drawTile(p, code)) return {};
    return tile;
}

QBrush SoilFill(int code, double dpi) {
    switch (code) {
        case 2:
            return QBrush(Qt::black, Qt::FDiagPattern);
        case 3:
            return QBrush(Qt::black, Qt::CrossPattern);
        case 4:
            return QBrush(Qt::black, Qt::DiagCrossPattern);
        case 5:
            return QBrush(Qt::black, Qt::HorPattern);
        case 6:
            return QBrush(Qt::black, Qt::VerPattern);
        default:
            break;
    }
    const QImage tile = SoilPatternTile(code, dpi);
    return tile.isNull() ? QBrush(Qt::NoBrush) : QBrush(tile);
}
