#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/graphs/plotview.h"

class QAction;
class QMdiArea;
class QMenu;
class QMenuBar;
class QPainter;
class QPrinter;
class TGraphPlot;
class TPlotCanvas;
class TPlotLegend;
struct TDrawDevice;

// The plot window of a graph: the graph drawn on white with its legend and the "&Plot" menu
// to switch legend, soil strip, wall, markers, font size and line width, to set a title,
// rename and choose curves, print and save the picture.
class TPlotForm : public QWidget {
    Q_OBJECT

  public:
    // Shows the graph's window, creating it when it is not open (full ranges, fresh legend),
    // and restores it when minimised. Null when the graph's ranges have no usable step: then no
    // window opens. Without an MDI area the window is a top-level one.
    static TPlotForm* Show(TGraphPlot& graph, QMdiArea* area);

    TPlotForm(TGraphPlot& graph, const TPlotView& view, QWidget* parent = nullptr);
    ~TPlotForm() override;

    [[nodiscard]] TGraphPlot& graph() const { return m_graph; }
    [[nodiscard]] TPlotCanvas* canvas() const { return m_canvas; }
    [[nodiscard]] TPlotLegend* legend() const { return m_legend; }
    [[nodiscard]] QMenu* plotMenu() const { return m_plotMenu; }
    [[nodiscard]] const TPlotView& view() const { return m_view; }

    // What the dialogs hand back, applied as the menu commands do after OK.
    void applyNames(const QStringList& names);
    void applyMarkers(const QStringList& markers);
    void setFontScale(int sizeFont);
    // Toggles a curve's Visible and repaints plot and legend.
    void toggleCurve(int curve);
    // Draws the graph into a picture of `size` pixels and writes it: BMP or PNG by the file's
    // extension drawn at `dpi`, SVG as vector drawing. False when the file cannot be written.
    [[nodiscard]] bool saveImage(const QString& fileName, QSize size, double dpi) const;
    // Prints the graph on one page inside the printer's margins; false when the job fails.
    [[nodiscard]] bool printTo(QPrinter& printer) const;
    // Draws the graph into an output (print or picture), with the legend drawn into it.
    void drawOutput(QPainter& painter, const TDrawDevice& device) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createPlotMenu();
    // A submenu of radio items, each holding a value; opening it checks the current value.
    [[nodiscard]] QMenu* addChoiceMenu(const QString& title,
                                       const std::vector<std::pair<QString, int>>& choices,
                                       std::function<int()> current,
                                       std::function<void(int)> choose);
    void refreshPlotMenu();
    void rebuildLegend();
    void layOut();
    void placeLegendAtPlotCorner();

    void editLegend();
    void activeCurves();
    void graphTitle();
    void print();
    void pageSetup();
    void saveToDisk();

    TGraphPlot& m_graph;
    TPlotView m_view;
    QMenuBar* m_menuBar;
    QMenu* m_plotMenu = nullptr;
    TPlotCanvas* m_canvas;
    TPlotLegend* m_legend;
    std::unique_ptr<QPrinter> m_printer;
    bool m_hasPrinter = false;
    bool m_legendMoved = false;

    QAction* m_showLegend = nullptr;
    QAction* m_showLayers = nullptr;
    QAction* m_showWall = nullptr;
    QMenu* m_markersMenu = nullptr;
    QMenu* m_fontMenu = nullptr;
    QMenu* m_widthMenu = nullptr;
    QAction* m_print = nullptr;
    QAction* m_pageSetup = nullptr;
    std::vector<QAction*> m_curveItems;
};
