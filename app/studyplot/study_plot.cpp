#include "cli/study_plot.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <functional>

namespace keldra::cli {

namespace {

using studies::EmbedmentRow;
using studies::EmbedmentStudy;

constexpr QSize kImageSize(900, 700);
constexpr int kTicks = 5;

struct Range {
    double low = 0.0, high = 1.0;

    [[nodiscard]] double At(double value, double from, double to) const {
        return from + (value - low) / (high - low) * (to - from);
    }
};

// The range of the values, of closing embedments only where any close, so
// that a wall that runs away does not flatten the curve of those that hold.
Range RangeOf(const std::vector<EmbedmentRow>& rows,
              const std::function<results::Figure(const EmbedmentRow&)>& value, bool closedOnly) {
    double low = INFINITY, high = -INFINITY;
    for (const EmbedmentRow& row : rows) {
        const results::Figure f = value(row);
        if (!f.known() || !std::isfinite(f.value) || (closedOnly && !row.closed)) continue;
        low = std::min(low, f.value);
        high = std::max(high, f.value);
    }
    if (!(low <= high)) return {};
    if (high - low < 1e-12 * std::max(1.0, std::fabs(high))) {
        const double margin = std::max(1.0, std::fabs(high)) * 0.05;
        return {low - margin, high + margin};
    }
    const double margin = (high - low) * 0.05;
    return {low - margin, high + margin};
}

void Panel(QPainter& painter, const QRectF& box, const EmbedmentStudy& study, const QString& title,
           const std::function<results::Figure(const EmbedmentRow&)>& value) {
    const std::vector<EmbedmentRow>& rows = study.rows;
    const bool anyClosed = std::any_of(rows.begin(), rows.end(), [](auto& r) { return r.closed; });
    const Range y = RangeOf(rows, value, anyClosed);
    Range x{rows.front().embedment, rows.back().embedment};
    if (x.high <= x.low) x = {x.low - 1.0, x.high + 1.0};

    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(box);
    painter.drawText(QRectF(box.left(), box.top() - 24, box.width(), 20), Qt::AlignCenter, title);
    const QString unit = studies::LengthUnit(study.wall.units);
    for (int k = 0; k <= kTicks; ++k) {
        const double ex = x.low + (x.high - x.low) * k / kTicks;
        const double px = x.At(ex, box.left(), box.right());
        painter.drawLine(QPointF(px, box.bottom()), QPointF(px, box.bottom() + 4));
        painter.drawText(QRectF(px - 50, box.bottom() + 6, 100, 18), Qt::AlignHCenter,
                         QString::number(ex, 'g', 4));
        const double ey = y.low + (y.high - y.low) * k / kTicks;
        const double py = y.At(ey, box.bottom(), box.top());
        painter.drawLine(QPointF(box.left() - 4, py), QPointF(box.left(), py));
        painter.drawText(QRectF(box.left() - 96, py - 9, 90, 18), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(ey, 'g', 4));
    }
    painter.drawText(QRectF(box.left(), box.bottom() + 24, box.width(), 18), Qt::AlignCenter,
                     QStringLiteral("embedment (%1)").arg(unit));

    painter.save();
    painter.setClipRect(box);
    QPainterPath curve;
    for (const EmbedmentRow& row : rows) {
        const results::Figure f = value(row);
        if (!f.known() || !std::isfinite(f.value)) continue;
        const QPointF point(
            x.At(row.embedment, box.left(), box.right()),
            std::clamp(y.At(f.value, box.bottom(), box.top()), box.top() + 6, box.bottom() - 6));
        if (row.closed) {
            // A path holding only its first point still counts as empty.
            curve.elementCount() == 0 ? curve.moveTo(point) : curve.lineTo(point);
            painter.setPen(QPen(Qt::darkBlue, 1));
            painter.setBrush(Qt::darkBlue);
            painter.drawEllipse(point, 3.5, 3.5);
        } else {
            painter.setPen(QPen(Qt::red, 2));
            painter.drawLine(point + QPointF(-5, -5), point + QPointF(5, 5));
            painter.drawLine(point + QPointF(-5, 5), point + QPointF(5, -5));
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::darkBlue, 1.5));
    painter.drawPath(curve);
    painter.restore();
}

}  // namespace

void DrawEmbedmentPlot(QPainter& painter, const QRectF& area, const EmbedmentStudy& study) {
    painter.fillRect(area, Qt::white);
    if (study.rows.empty()) return;
    const QString length = studies::LengthUnit(study.wall.units);
    const double left = area.left() + 110, width = area.width() - 140;
    const double height = (area.height() - 190) / 2;
    const QRectF top(left, area.top() + 40, width, height);
    const QRectF bottom(left, top.bottom() + 90, width, height);
    Panel(painter, top, study, QStringLiteral("top deflection (%1)").arg(length),
          [](const EmbedmentRow& row) { return row.top_deflection; });
    const QString moment = QString::fromStdString(study.units.moment);
    Panel(painter, bottom, study, QStringLiteral("max |moment| (%1)").arg(moment),
          [](const EmbedmentRow& row) {
              results::Figure f = row.moment;
              f.value = std::fabs(f.value);
              return f;
          });
    painter.setPen(QPen(Qt::red, 1));
    painter.drawText(QRectF(area.left(), area.bottom() - 24, area.width() - 30, 20), Qt::AlignRight,
                     QStringLiteral("x  does not close"));
}

QString WriteEmbedmentPlot(const QString& fileName, const EmbedmentStudy& study) {
    const QRectF area(QPointF(0, 0), QSizeF(kImageSize));
    if (fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(fileName);
        svg.setSize(kImageSize);
        svg.setViewBox(area);
        svg.setTitle(QStringLiteral("Embedment study"));
        QPainter painter;
        if (!painter.begin(&svg)) return QStringLiteral("cannot write %1").arg(fileName);
        DrawEmbedmentPlot(painter, area, study);
        painter.end();
        // The generator does not tell a failed write; the file does.
        return QFile::exists(fileName) && QFile(fileName).size() > 0
                   ? QString()
                   : QStringLiteral("cannot write %1").arg(fileName);
    }
    QImage image(kImageSize, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawEmbedmentPlot(painter, area, study);
    painter.end();
    return image.save(fileName, "PNG") ? QString()
                                       : QStringLiteral("cannot write %1").arg(fileName);
}

}  // namespace keldra::cli
