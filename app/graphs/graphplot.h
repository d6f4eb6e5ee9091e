#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "app/graphs/line.h"

// The four curve lists of a graph: the main curves, the soil-layer and wall lines, and the
// curves of the second and third panel of the three-panel layout.
enum class TCurveList { Lines, LayerLines, Lines2, Lines3 };

// A graph: its curves and its display settings. The plot window that shows it is created on
// demand (see TPlotForm) and remembered here while it is open.
class TGraphPlot {
  public:
    TGraphPlot();
    // An open window shows this graph: it goes with it.
    ~TGraphPlot();
    TGraphPlot(const TGraphPlot&) = delete;
    TGraphPlot& operator=(const TGraphPlot&) = delete;

    QString CurveName = QStringLiteral("Curve #");  // prefix of default curve names
    QString Caption;                                // read-out, print job title and export
    bool ShowLegend = true;
    bool ShowLayers = false;  // soil-layer strip beside the plot
    bool ShowWall = false;    // wall drawn inside the soil-layer strip
    bool ShowThree = false;   // deflection, moment and shear side by side
    bool ShowFontWidth = true;
    int WallLineCount = 0;  // soil-layer lines; the layer lines after them are wall lines
    int Markers = 1;        // 0 none, n: at the first point and every n-th point
    int SizeFont = 10;      // text scale in tenths
    int LegendFont = 11;
    int WidthLine = 1;
    QString XCaption, XUnits;
    bool XOnTop = true;  // x axis at the top, y growing downwards
    QString YCaption, YUnits;
    QString XCaption2, XUnits2, YCaption2, YUnits2;
    QString XCaption3, XUnits3, YCaption3, YUnits3;
    // When set, called for each listed curve as a window opens to change its legend text.
    std::function<void(int curve, QString& caption)> onGetCaption;

    QString Title;
    bool TitleOnTop = false;

    // Unit system of the unit strings: 1 English, 2 SI, 3 generic; clamped to 1..3.
    [[nodiscard]] int Units() const { return m_units; }
    void SetUnits(int units);

    [[nodiscard]] std::vector<TLine>& curves(TCurveList list);
    [[nodiscard]] const std::vector<TLine>& curves(TCurveList list) const;
    [[nodiscard]] std::vector<TLine>& Lines() { return curves(TCurveList::Lines); }
    [[nodiscard]] const std::vector<TLine>& Lines() const { return curves(TCurveList::Lines); }
    [[nodiscard]] std::vector<TLine>& LayerLines() { return curves(TCurveList::LayerLines); }
    [[nodiscard]] const std::vector<TLine>& LayerLines() const {
        return curves(TCurveList::LayerLines);
    }

    // Removes curves from the end or appends new ones until the list has n (n below 0 counts
    // as 0). A new curve starts with as many (0, 0) points as the first main curve has and with
    // Value = the number of main curves + 1.
    void SetLineCount(TCurveList list, int n);
    // Gives every curve of the list exactly n points.
    void SetPointCount(TCurveList list, int n);
    [[nodiscard]] int LineCount(TCurveList list) const;
    // Points of the list's first curve; 0 without curves.
    [[nodiscard]] int PointCount(TCurveList list) const;
    [[nodiscard]] const TFloatPoint& Point(TCurveList list, int curve, int index) const;
    // Sets every list's point counts to 0, keeping the curves.
    void ClearPoints();
    // At least one curve, and the first one has more than one point: there is something to draw.
    [[nodiscard]] bool HasDrawableCurves() const;

    // The open plot window, if any.
    [[nodiscard]] QObject* window() const { return m_window; }
    void setWindow(QObject* window) { m_window = window; }

  private:
    std::vector<TLine> m_lists[4];
    int m_units = 1;
    QPointer<QObject> m_window;
};
