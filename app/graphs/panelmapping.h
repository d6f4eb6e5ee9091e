#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>

#include "app/graphs/axisrange.h"

// Maps values of one panel to device pixels and back. With the x axis on top, y grows
// downwards (depth graphs); otherwise upwards.
struct TPanelMapping {
    QRect rect;
    TPanelRange range;
    bool xOnTop = true;

    [[nodiscard]] int toPixelX(double x) const;
    [[nodiscard]] int toPixelY(double y) const;
    [[nodiscard]] QPoint toPixel(double x, double y) const { return {toPixelX(x), toPixelY(y)}; }
    // The values at a pixel, the pixel first clamped to the panel.
    [[nodiscard]] QPointF toValue(QPoint pixel) const;
};
