#include "app/graphs/plotlayout.h"

#include <cmath>

#include "app/graphs/graphplot.h"

namespace {

int px(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

TPlotLayout TPlotLayout::Compute(const TGraphPlot& graph, const TDrawDevice& device, int h) {
    const QRect& a = device.area;
    const double dx = device.dpiX, dy = device.dpiY;
    const bool printing = device.target == TDrawTarget::Printer;
    // Room for the y caption and labels on the left, the last x label on the right.
    int left = a.left() + px(2 * h + dx / 8 + h / 8.0);
    int right = printing ? a.right() : a.right() - px(dx / 4 + h / 2.0);
    int top, bottom;
    if (graph.XOnTop) {
        top = a.top() + px(2 * h + dy / 8 + h / 8.0);
        bottom = printing ? a.bottom() : a.bottom() - px(dy / 4 + h / 2.0);
    } else {
        top = printing ? a.top() : a.top() + px(h / 2.0 + dy / 4);
        bottom = a.bottom() - px(2 * h + dy / 8 + h / 8.0);
    }
    if (!graph.Title.isEmpty() && device.target != TDrawTarget::Image) {
        if (graph.TitleOnTop)
            top += printing ? px(dy / 4) : px(h + h / 8.0);
        else
            bottom -= printing ? px(dy / 2) : h;
    }

    TPlotLayout layout;
    layout.area = a;
    if (graph.ShowLayers) {
        // A picture gives the strip only half an inch of the plot.
        const int stripRoom = px(device.target == TDrawTarget::Image ? dx / 2 : dx);
        const int oldRight = right;
        right -= stripRoom;
        layout.strip = QRect(QPoint(right + px(dx / 5), top), QPoint(oldRight, bottom));
    }
    layout.plot = QRect(QPoint(left, top), QPoint(right, bottom));
    if (!graph.ShowThree) {
        layout.panels[0] = layout.plot;
        return layout;
    }
    layout.panelCount = 3;
    const int gap = px(2 * h + dx / 4);
    const int w = (layout.plot.width() - 4 * h - px(dx / 2)) / 3;
    int start = left;
    for (int i = 0; i < 3; ++i) {
        const int end = i == 2 ? right : start + w;
        layout.panels[static_cast<std::size_t>(i)] = QRect(QPoint(start, top), QPoint(end, bottom));
        start = end + gap;
    }
    return layout;
}

int TPlotLayout::panelAt(QPoint p) const {
    for (int i = 0; i < panelCount; ++i)
        if (panel(i).contains(p)) return i;
    return -1;
}
