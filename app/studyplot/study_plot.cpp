#include "app/studyplot/study_plot.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <functional>

namespace keldra::studyplot {

namespace {

using studies::EmbedmentRow;
using studies::EmbedmentStudy;

constexpr QSize kImageSize(900, 700);
constexpr int kMostTicks = 10;
constexpr double kMarker = 5.0;  // half the size of a point's mark

using Value = std::function<results::Figure(const EmbedmentRow&)>;

// An axis from `low` to `high` with a tick every `step`, all round numbers.
struct Axis {
    double low = 0.0, high = 1.0, step = 0.2;

    [[nodiscard]] double At(double value, double from, double to) const {
        return from + (value - low) / (high - low) * (to - from);
    }
    [[nodiscard]] int Ticks() const { return static_cast<int>(std::lround((high - low) / step)); }
    [[nodiscard]] double Tick(int k) const { return low + k * step; }
    // With the decimals of the step, so that every label is as long as it must be.
    [[nodiscard]] QString Label(double value) const {
        const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
        return QString::number(std::fabs(value) < step * 1e-9 ? 0.0 : value, 'f', decimals);
    }
};

// At most `most` steps of 1, 2 or 5 times a power of ten covering low to high.
Axis RoundAxis(double low, double high, int most) {
    if (!(high > low)) {
        const double margin = std::max(1.0, std::fabs(high)) * 0.05;
        low -= margin;
        high += margin;
    }
    double power = std::pow(10.0, std::floor(std::log10((high - low) / most)));
    // Bounded, for a span beyond the doubles.
    for (int decade = 0; decade < 4; ++decade, power *= 10.0) {
        for (double multiple : {1.0, 2.0, 5.0}) {
            const double step = multiple * power;
            const Axis axis{std::floor(low / step + 1e-9) * step,
                            std::ceil(high / step - 1e-9) * step, step};
            if (axis.Ticks() <= most) return axis;
        }
    }
    return {};
}

// The axis of the values, of closing embedments only where any close, so
// that a wall that runs away does not flatten the curve of those that hold.
Axis ValueAxis(const std::vector<EmbedmentRow>& rows, const Value& value, int most) {
    const bool anyClosed = std::any_of(rows.begin(), rows.end(), [](auto& r) { return r.closed; });
    double low = INFINITY, high = -INFINITY;
    for (const EmbedmentRow& row : rows) {
        const results::Figure f = value(row);
        if (!f.known() || !std::isfinite(f.value) || (anyClosed && !row.closed)) continue;
        low = std::min(low, f.value);
        high = std::max(high, f.value);
    }
    if (!(low <= high)) return RoundAxis(0.0, 1.0, most);
    return RoundAxis(low, high, most);
}

struct Panel {
    QString title;
    Value value;
    Axis y;
};

void DrawAxes(QPainter& painter, const QRectF& box, const Axis& x, const Axis& y,
              const QString& title, const QString& xTitle) {
    const double line = QFontMetricsF(painter.font()).height();
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(box);
    painter.drawText(QRectF(box.left(), box.top() - line - 6, box.width(), line), Qt::AlignCenter,
                     title);
    for (int k = 0; k <= x.Ticks(); ++k) {
        const double px = x.At(x.Tick(k), box.left(), box.right());
        painter.drawLine(QPointF(px, box.bottom()), QPointF(px, box.bottom() + 4));
        painter.drawText(QRectF(px - 60, box.bottom() + 6, 120, line), Qt::AlignHCenter,
                         x.Label(x.Tick(k)));
    }
    for (int k = 0; k <= y.Ticks(); ++k) {
        const double py = y.At(y.Tick(k), box.bottom(), box.top());
        painter.drawLine(QPointF(box.left() - 4, py), QPointF(box.left(), py));
        painter.drawText(QRectF(box.left() - 208 - kMarker, py - line / 2, 200, line),
                         Qt::AlignRight | Qt::AlignVCenter, y.Label(y.Tick(k)));
    }
    painter.drawText(QRectF(box.left(), box.bottom() + line + 8, box.width(), line),
                     Qt::AlignCenter, xTitle);
}

// The mark of an embedment that does not close.
void DrawCross(QPainter& painter, QPointF at) {
    painter.setPen(QPen(Qt::red, 2));
    painter.drawLine(at + QPointF(-kMarker, -kMarker), at + QPointF(kMarker, kMarker));
    painter.drawLine(at + QPointF(-kMarker, kMarker), at + QPointF(kMarker, -kMarker));
}

// The closing embedments as points on a curve, the others as red crosses;
// values beyond the axis are shown at its edge.
void DrawValues(QPainter& painter, const QRectF& box, const std::vector<EmbedmentRow>& rows,
                const Axis& x, const Panel& panel) {
    painter.save();
    QPainterPath curve;
    for (const EmbedmentRow& row : rows) {
        const results::Figure f = panel.value(row);
        const bool known = f.known() && std::isfinite(f.value);
        if (!known && row.closed) continue;
        // A run without results still gets its cross, on the embedment axis.
        const QPointF point(x.At(row.embedment, box.left(), box.right()),
                            known ? std::clamp(panel.y.At(f.value, box.bottom(), box.top()),
                                               box.top(), box.bottom())
                                  : box.bottom());
        if (row.closed) {
            // A path holding only its first point still counts as empty.
            curve.elementCount() == 0 ? curve.moveTo(point) : curve.lineTo(point);
            painter.setPen(QPen(Qt::darkBlue, 1));
            painter.setBrush(Qt::darkBlue);
            painter.drawEllipse(point, kMarker * 0.7, kMarker * 0.7);
        } else {
            DrawCross(painter, point);
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
    const std::vector<EmbedmentRow>& rows = study.rows;
    if (rows.empty()) return;
    const QString length = studies::LengthUnit(study.wall.units);
    Panel panels[] = {
        {QStringLiteral("top deflection (%1)").arg(length),
         [](const EmbedmentRow& row) { return row.top_deflection; },
         {}},
        {QStringLiteral("max |moment| (%1)").arg(QString::fromStdString(study.units.moment)),
         [](const EmbedmentRow& row) {
             results::Figure f = row.moment;
             f.value = std::fabs(f.value);
             return f;
         },
         {}},
    };
    // Above each box its title, below it the tick labels and the axis title;
    // the legend at the bottom. Ticks at least two lines apart.
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    const double above = line + 14, below = 2 * line + 18;
    const double height = (area.height() - 2 * (above + below) - line - 8) / 2;
    const int mostY = std::clamp(static_cast<int>(height / (2 * line)), 1, kMostTicks);
    double labels = 0.0;  // the widest value label
    for (Panel& panel : panels) {
        panel.y = ValueAxis(rows, panel.value, mostY);
        for (int k = 0; k <= panel.y.Ticks(); ++k)
            labels = std::max(labels, metrics.horizontalAdvance(panel.y.Label(panel.y.Tick(k))));
    }
    const double left = area.left() + labels + 16 + kMarker;
    const double width = area.right() - 24 - left;
    const Axis x = RoundAxis(rows.front().embedment, rows.back().embedment,
                             std::clamp(static_cast<int>(width / (6 * line)), 1, kMostTicks));
    const QString xTitle = QStringLiteral("embedment (%1)").arg(length);
    for (int k = 0; k < 2; ++k) {
        const QRectF box(left, area.top() + above + k * (above + height + below), width, height);
        DrawAxes(painter, box, x, panels[k].y, panels[k].title, xTitle);
        DrawValues(painter, box, rows, x, panels[k]);
    }
    const QString legend = QStringLiteral("does not close");
    const QPointF cross(area.right() - 24 - metrics.horizontalAdvance(legend) - 3 * kMarker,
                        area.bottom() - 4 - line / 2);
    DrawCross(painter, cross);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawText(QRectF(area.left(), area.bottom() - line - 4, area.width() - 24, line),
                     Qt::AlignRight, legend);
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

}  // namespace keldra::studyplot
