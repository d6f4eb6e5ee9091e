#include "app/forms/chartdata.h"

#include <algorithm>
#include <cmath>

#include "app/tables/gridtablechart.h"

namespace {

constexpr double kLargeLabel = 100000;
constexpr double kSmallLabel = 0.001;
constexpr double kConstantNudge = 1.001;  // lifts the second point of a flat curve

// Every value of the column equals the one in the first row; one row is never constant.
bool isConstantColumn(const TGridTable& table, int column) {
    if (table.rowCount() < 2) return false;
    for (int r = 1; r < table.rowCount(); ++r)
        if (table.real(column, r) != table.real(column, 0)) return false;
    return true;
}

void sortByX(QList<QPointF>& points) {
    std::stable_sort(points.begin(), points.end(),
                     [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
}

void setExtent(TChartAxis& axis, const QList<QList<QPointF>>& series, bool vertical) {
    bool first = true;
    for (const QList<QPointF>& points : series)
        for (const QPointF& p : points) {
            const double v = vertical ? p.y() : p.x();
            axis.minimum = first ? v : std::min(axis.minimum, v);
            axis.maximum = first ? v : std::max(axis.maximum, v);
            first = false;
        }
    axis.labelFormat = labelFormatFor(axis.minimum, axis.maximum);
}

}  // namespace

QString labelFormatFor(double smallest, double largest) {
    const double a = std::fabs(smallest);
    const double b = std::fabs(largest);
    if (a == 0 && b == 0) return kFixedLabels;
    if (a > kLargeLabel || b > kLargeLabel || (a < kSmallLabel && b < kSmallLabel))
        return kScientificLabels;
    return kFixedLabels;
}

QString formatLabel(double value, const QString& pattern, const QLocale& locale) {
    if (pattern == kWholeLabels) return locale.toString(std::round(value), 'f', 0);
    if (pattern == kScientificLabels) {
        if (value == 0) return QStringLiteral("0") + locale.decimalPoint() + u'0';
        int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
        double mantissa = value / std::pow(10.0, exponent);
        if (std::fabs(std::round(mantissa * 1000) / 1000) >= 10) {
            mantissa /= 10;
            ++exponent;
        }
        QString digits = QString::number(mantissa, 'f', 3);
        while (digits.endsWith(u'0') && !digits.endsWith(QLatin1String(".0"))) digits.chop(1);
        digits.replace(u'.', locale.decimalPoint());
        return digits + u'E' + QString::number(exponent);
    }
    QString text = locale.toString(value, 'f', 3);
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(u'0')) text.chop(1);
        if (text.endsWith(point)) text.chop(point.size());
    }
    if (text == QLatin1String("-0")) text = QStringLiteral("0");
    return text;
}

TChartData chartData(const TGridTableChart& table) {
    TChartData chart;
    const TGraphicParameters& g = table.graphicParameters();
    const int dataColumns = table.visibleColumnCount();
    const bool byPosition = dataColumns == 1;
    chart.secondSeries = dataColumns == 3 && g.xColumn == 0 && g.yColumn == 1;
    chart.legendVisible = chart.secondSeries;
    if (chart.secondSeries) {
        chart.title1 = table.column(1).titleLine(0);
        chart.title2 = table.column(2).titleLine(0);
    }
    const bool constant =
        isConstantColumn(table, g.yColumn) && (!chart.secondSeries || isConstantColumn(table, 2));
    for (int r = 0; r < table.rowCount(); ++r) {
        const double x = byPosition ? r : table.xValue(r);
        double y = table.yValue(r);
        if (constant && r == 1) y *= kConstantNudge;
        chart.series1.append({x, y});
        if (chart.secondSeries) chart.series2.append({x, table.real(2, r)});
    }
    sortByX(chart.series1);
    sortByX(chart.series2);

    chart.horizontal.title =
        byPosition ? QStringLiteral("N") : table.column(g.xColumn).titleLine(0);
    chart.vertical.title = table.column(g.yColumn).titleLine(0);
    chart.pointMarks = !byPosition;
    chart.horizontal.inverted = table.invertedXAxis();
    chart.vertical.inverted = table.invertedYAxis();
    setExtent(chart.horizontal, {chart.series1, chart.series2}, false);
    setExtent(chart.vertical, {chart.series1, chart.series2}, true);
    if (byPosition) chart.horizontal.labelFormat = kWholeLabels;
    if (constant) {
        const double value = table.yValue(0);
        chart.vertical.fixedRange = true;
        chart.vertical.minimum = std::min(0.9 * value, 1.1 * value);
        chart.vertical.maximum = std::max(0.9 * value, 1.1 * value);
    }
    return chart;
}
