#include "app/views/sidedrawingpainter.h"

#include <QFontMetrics>
#include <QPainter>

void PaintSideDrawing(QPainter& painter, const TSideDrawing& drawing, const QColor& ink) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const TSideStroke& stroke : drawing.strokes) {
        painter.setPen(QPen(ink, stroke.penWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(stroke.from, stroke.to);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (const QPolygon& wall : drawing.wall) painter.drawPolygon(wall);
    painter.setBrush(Qt::white);
    for (const TSideCircle& circle : drawing.topView) {
        painter.setPen(QPen(ink, circle.penWidth));
        painter.drawEllipse(circle.bounds);
    }
    painter.setPen(ink);
    const QFontMetrics metrics = painter.fontMetrics();
    for (const TSideLabel& label : drawing.labels)
        painter.drawText(label.at + QPoint(0, metrics.ascent() + label.line * metrics.height()),
                         label.text);
    painter.restore();
}
