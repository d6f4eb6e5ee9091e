// What the chart of a curve table shows: its series, titles and axes, worked
// out from the table alone so the rules can be tested without a chart.
#pragma once

#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>

class TGridTableChart;

// Axis label patterns: fixed point with thousands separators and at most
// three decimals; scientific with one to three decimals; whole numbers.
inline const QString kFixedLabels = QStringLiteral("#,##0.###");
inline const QString kScientificLabels = QStringLiteral("#.0##E-0");
inline const QString kWholeLabels = QStringLiteral("#,##0");

struct TChartAxis {
    QString title;
    QString labelFormat = kFixedLabels;
    bool inverted = false;
    bool fixedRange = false;  // a constant curve: 0.9 to 1.1 times its value
    double minimum = 0;       // of the values, or the fixed range
    double maximum = 0;
};

struct TChartData {
    QList<QPointF> series1;  // ascending in x
    QList<QPointF> series2;  // only with the second series
    bool secondSeries = false;
    bool legendVisible = false;
    QString title1;
    QString title2;
    bool pointMarks = true;  // hidden when the rows are plotted against their position
    TChartAxis horizontal;
    TChartAxis vertical;
};

// The chart of the table's plotted columns.
[[nodiscard]] TChartData chartData(const TGridTableChart& table);

// The label pattern for an axis whose values run from `smallest` to `largest`.
[[nodiscard]] QString labelFormatFor(double smallest, double largest);
// A value in one of the label patterns, with the locale's separators.
[[nodiscard]] QString formatLabel(double value, const QString& pattern,
                                  const QLocale& locale = QLocale());
