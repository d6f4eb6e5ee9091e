#include "app/graphs/panelmapping.h"

#include <algorithm>
#include <cmath>

int TPanelMapping::toPixelX(double x) const {
    const double t = (x - range.x.min) / range.x.width() * (rect.right() - rect.left());
    return rect.left() + static_cast<int>(std::lround(t));
}

int TPanelMapping::toPixelY(double y) const {
    const auto t = static_cast<int>(
        std::lround((y - range.y.min) / range.y.width() * (rect.bottom() - rect.top())));
    return xOnTop ? rect.top() + t : rect.bottom() - t;
}

QPointF TPanelMapping::toValue(QPoint pixel) const {
    const int px = std::clamp(pixel.x(), rect.left(), rect.right());
    const int py = std::clamp(pixel.y(), rect.top(), rect.bottom());
    const double width = std::max(1, rect.right() - rect.left());
    const double height = std::max(1, rect.bottom() - rect.top());
    const double fy = xOnTop ? (py - rect.top()) / height : (rect.bottom() - py) / height;
    return {range.x.min + (px - rect.left()) / width * range.x.width(),
            range.y.min + fy * range.y.width()};
}
