#include "app/export/plotworkbook.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "app/export/columnname.h"
#include "app/export/exporterror.h"
#include "app/graphs/graphplot.h"
#include "app/graphs/unitstrings.h"

namespace {

const QString kLegendSheet = QStringLiteral("Legend");

// Legend sheet: the header in row 2 and plot n in row n + 2, columns B to F.
constexpr lxw_row_t kHeaderRow = 1;
constexpr lxw_col_t kNumberColumn = 1;
constexpr lxw_col_t kPlotNameColumn = 2;
constexpr lxw_col_t kSheetNameColumn = 3;
constexpr lxw_col_t kChartNameColumn = 4;
constexpr lxw_col_t kStatusColumn = 5;
// The blanks widen the columns.
const QStringList kHeaders = {"     N    ",
                              "                             Plot Name                             ",
                              "  Sheet Name  ", "  Chart Name  ", "          Status          "};

// Data sheet: the caption in A1, the link back in G1, the axis titles in rows 2 and 3, then per
// curve a pair of columns with its name in row 4, "X" and "Y" in row 5 and its points from row 6.
constexpr lxw_col_t kBackLinkColumn = 6;
constexpr lxw_row_t kXTitleRow = 1;
constexpr lxw_row_t kYTitleRow = 2;
constexpr lxw_row_t kCurveNameRow = 3;
constexpr lxw_row_t kCoordinateRow = 4;
constexpr lxw_row_t kFirstValueRow = 5;
// Every curve takes two columns, and only columns up to "ZZ" have a name to chart them by.
constexpr int kMaxCurves = kLastNamedColumn / 2;
// Values keep the 15 significant digits a spreadsheet cell holds.
constexpr int kSignificantDigits = 15;

// In the default font a blank is about half as wide as a digit, the unit of column widths.
double fittedWidth(const QString& text) {
    const auto blanks = static_cast<double>(text.count(u' '));
    return 0.5 * blanks + (static_cast<double>(text.size()) - blanks) + 1.0;
}

void check(lxw_error error) {
    if (error != LXW_NO_ERROR) throw EExportError(QString::fromUtf8(lxw_strerror(error)));
}

template <typename T>
T* checked(T* made) {
    if (!made) throw EExportError(QString::fromUtf8(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED)));
    return made;
}

void writeText(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const QString& text,
               lxw_format* format = nullptr) {
    check(worksheet_write_string(sheet, row, column, text.toUtf8().constData(), format));
}

// A value as the spreadsheet would read it from its 15-digit text. A non-finite value has no
// number cell, so it is kept as its text.
void writeValue(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, double value) {
    if (!std::isfinite(value)) return writeText(sheet, row, column, QString::number(value));
    const double rounded = QString::number(value, 'g', kSignificantDigits).toDouble();
    check(worksheet_write_number(sheet, row, column, rounded, nullptr));
}

void writeLink(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const QString& target,
               const QString& text) {
    const QByteArray url = ("internal:" + target + "!A1").toUtf8();
    check(worksheet_write_url_opt(sheet, row, column, url.constData(), nullptr,
                                  text.toUtf8().constData(), nullptr));
}

QString pageName(int plot) { return "Page_" + QString::number(plot); }
QString chartName(int plot) { return "Plot_" + QString::number(plot); }

// The column of curve j (counted from 1) holding its x values; its y values are in the next.
int xColumnOf(int curve) { return 2 * curve - 1; }

// "=Page_1!$A$6:$A$17": the cells of one column from row 6 on.
QString rangeFormula(const QString& sheet, int column, int rows) {
    const QString letters = ColumnName(column);
    const int lastRow = static_cast<int>(kFirstValueRow) + rows;
    return QString("=%1!$%2$%3:$%2$%4").arg(sheet, letters).arg(kFirstValueRow + 1).arg(lastRow);
}

QString xTitleOf(const TGraphPlot& graph) {
    return AxisCaption(graph.XCaption, graph.XUnits, graph.Units());
}
QString yTitleOf(const TGraphPlot& graph) {
    return AxisCaption(graph.YCaption, graph.YUnits, graph.Units());
}

void setAxis(lxw_chart_axis* axis, const QString& title) {
    if (!title.isEmpty()) chart_axis_set_name(axis, title.toUtf8().constData());
    chart_axis_major_gridlines_set_visible(axis, LXW_TRUE);
}

}  // namespace

TPlotWorkbook::TPlotWorkbook(const QString& fileName)
    : m_workbook(checked(workbook_new(QFile::encodeName(fileName).constData())),
                 lxw_workbook_free) {
    m_legend = checked(workbook_add_worksheet(m_workbook.get(), kLegendSheet.toUtf8().constData()));
    writeLegendHeader();
}

void TPlotWorkbook::writeLegendHeader() {
    m_headerFormat = checked(workbook_add_format(m_workbook.get()));
    format_set_bold(m_headerFormat);
    format_set_align(m_headerFormat, LXW_ALIGN_VERTICAL_CENTER);
    for (int i = 0; i < kHeaders.size(); ++i) {
        const auto column = static_cast<lxw_col_t>(kNumberColumn + i);
        writeText(m_legend, kHeaderRow, column, kHeaders[i], m_headerFormat);
        check(worksheet_set_column(m_legend, column, column, fittedWidth(kHeaders[i]), nullptr));
    }
}

void TPlotWorkbook::addPlot(const TGraphPlot& graph) {
    const int curves = graph.LineCount(TCurveList::Lines);
    if (curves == 0) throw EExportError(QString("\"%1\" has no curves.").arg(graph.Caption));
    if (curves > kMaxCurves)
        throw EExportError(QString("\"%1\" has %2 curves; a worksheet takes %3 at most.")
                               .arg(graph.Caption)
                               .arg(curves)
                               .arg(kMaxCurves));
    const int plot = ++m_plotCount;
    writeLegendRow(plot, graph.Caption);
    addDataSheet(plot, graph);
    addChartSheet(plot, graph);
    // The file is written whole or not at all, so a listed plot is always complete.
    writeText(m_legend, kHeaderRow + plot, kStatusColumn, "Complete");
}

void TPlotWorkbook::writeLegendRow(int plot, const QString& caption) {
    const lxw_row_t row = kHeaderRow + plot;
    check(worksheet_write_number(m_legend, row, kNumberColumn, plot, nullptr));
    writeText(m_legend, row, kPlotNameColumn, caption);
    writeLink(m_legend, row, kSheetNameColumn, pageName(plot), pageName(plot));
    writeText(m_legend, row, kChartNameColumn, chartName(plot));
}

void TPlotWorkbook::addDataSheet(int plot, const TGraphPlot& graph) {
    lxw_worksheet* data =
        checked(workbook_add_worksheet(m_workbook.get(), pageName(plot).toUtf8().constData()));
    writeLink(data, 0, kBackLinkColumn, kLegendSheet, "Go to Legend Page");
    writeText(data, 0, 0, graph.Caption);
    writeText(data, kXTitleRow, 0, "X");
    writeText(data, kXTitleRow, 1, xTitleOf(graph));
    writeText(data, kYTitleRow, 0, "Y");
    writeText(data, kYTitleRow, 1, yTitleOf(graph));
    const int points = graph.PointCount(TCurveList::Lines);
    const std::vector<TLine>& curves = graph.Lines();
    for (int j = 1; j <= static_cast<int>(curves.size()); ++j) {
        const TLine& curve = curves[j - 1];
        const auto x = static_cast<lxw_col_t>(xColumnOf(j) - 1);
        writeText(data, kCurveNameRow, x, curve.DisplayName());
        writeText(data, kCoordinateRow, x, "X");
        writeText(data, kCoordinateRow, x + 1, "Y");
        // A curve shorter than the first one leaves its remaining cells empty.
        const int own = std::min(points, curve.PointCount());
        for (int i = 0; i < own; ++i) {
            const auto row = static_cast<lxw_row_t>(kFirstValueRow + i);
            writeValue(data, row, x, curve.Points[i].X);
            writeValue(data, row, x + 1, curve.Points[i].Y);
        }
    }
}

void TPlotWorkbook::addChartSheet(int plot, const TGraphPlot& graph) {
    lxw_chartsheet* sheet =
        checked(workbook_add_chartsheet(m_workbook.get(), chartName(plot).toUtf8().constData()));
    lxw_chart* chart =
        checked(workbook_add_chart(m_workbook.get(), LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS));
    const QString page = pageName(plot);
    // A graph without points still charts its curves, over one empty row.
    const int rows = std::max(graph.PointCount(TCurveList::Lines), 1);
    const std::vector<TLine>& curves = graph.Lines();
    for (int j = 1; j <= static_cast<int>(curves.size()); ++j) {
        const QByteArray xValues = rangeFormula(page, xColumnOf(j), rows).toUtf8();
        const QByteArray yValues = rangeFormula(page, xColumnOf(j) + 1, rows).toUtf8();
        lxw_chart_series* series =
            checked(chart_add_series(chart, xValues.constData(), yValues.constData()));
        // A name that reads as a formula is taken from its cell instead.
        const QString name = curves[j - 1].DisplayName();
        if (name.startsWith(u'='))
            chart_series_set_name_range(series, page.toUtf8().constData(), kCurveNameRow,
                                        static_cast<lxw_col_t>(xColumnOf(j) - 1));
        else
            chart_series_set_name(series, name.toUtf8().constData());
    }
    chart_title_off(chart);
    setAxis(chart->x_axis, xTitleOf(graph));
    setAxis(chart->y_axis, yTitleOf(graph));
    // Depth grows downwards when the x axis is on top.
    if (graph.XOnTop) chart_axis_set_reverse(chart->y_axis);
    check(chartsheet_set_chart(sheet, chart));
}

void TPlotWorkbook::write() { check(workbook_close(m_workbook.release())); }
