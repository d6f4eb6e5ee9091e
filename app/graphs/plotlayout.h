#pragma once

#include <QRect>
#include <array>

class TGraphPlot;

// What a drawing goes to: the window on screen, a printer page, or a picture file.
enum class TDrawTarget { Screen, Printer, Image };

// The device a graph is drawn for: its target, its resolution and the area to fill.
struct TDrawDevice {
    TDrawTarget target = TDrawTarget::Screen;
    double dpiX = 96;
    double dpiY = 96;
    QRect area;
    [[nodiscard]] bool isOutput() const { return target != TDrawTarget::Screen; }
};

// The rectangles of one drawing: the plot, its panels (one, or three side by side) and the soil
// strip, all in device pixels.
struct TPlotLayout {
    QRect area;
    QRect plot;
    int panelCount = 1;
    std::array<QRect, 3> panels{};
    QRect strip;  // empty without the soil strip

    // h is the pixel height of the window font at the graph's text scale.
    [[nodiscard]] static TPlotLayout Compute(const TGraphPlot& graph, const TDrawDevice& device,
                                             int h);
    [[nodiscard]] const QRect& panel(int i) const { return panels[static_cast<std::size_t>(i)]; }
    // The panel under a device point; -1 outside every panel.
    [[nodiscard]] int panelAt(QPoint p) const;
};
