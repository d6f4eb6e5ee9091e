#pragma once

#include <QString>
#include <memory>

class TGraphPlot;
struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// The workbook of exported plots, built with libxlsxwriter. The "Legend" sheet lists the plots
// with links to their data; every plot n adds the worksheet "Page_n" with its curves as column
// pairs and the chart sheet "Plot_n", a scatter chart with one series per curve. Values are
// written as numbers, so that the user can compute with them.
//
// The file appears only when write() succeeds; a workbook that goes out of scope unwritten
// leaves nothing behind. Failures raise EExportError.
class TPlotWorkbook {
  public:
    // A workbook with the legend sheet and its header, to be written to `fileName`.
    explicit TPlotWorkbook(const QString& fileName);

    // Adds the next plot: its legend row, its data sheet and its chart sheet.
    void addPlot(const TGraphPlot& graph);
    // Writes the file, once; the workbook cannot be changed afterwards. A workbook that is not
    // written is discarded.
    void write();

  private:
    void writeLegendHeader();
    void writeLegendRow(int plot, const QString& caption);
    void addDataSheet(int plot, const TGraphPlot& graph);
    void addChartSheet(int plot, const TGraphPlot& graph);

    // Freed unwritten unless write() hands it over.
    std::unique_ptr<lxw_workbook, void (*)(lxw_workbook*)> m_workbook;
    lxw_worksheet* m_legend = nullptr;
    lxw_format* m_headerFormat = nullptr;
    int m_plotCount = 0;
};
