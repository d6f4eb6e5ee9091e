#include "app/graphs/markershape.h"

#include <cmath>
#include <numbers>
#include <vector>

int MarkerShape(int curveIndex) { return ((curveIndex % 10) + 10) % 10 + 1; }

namespace {

std::vector<double> vertexAngles(int shape) {
    if (shape == 1) return {180.0, 300.0, 60.0};
    if (shape == 2) return {45.0, 135.0, 225.0, 315.0};
    std::vector<double> angles;
    for (int k = 0; k < shape; ++k) angles.push_back(360.0 * k / shape);
    return angles;
}

}  // namespace

QPolygonF MarkerPolygon(int shape, QPointF centre, double dpiX, double dpiY) {
    QPolygonF outline;
    for (double degrees : vertexAngles(shape)) {
        const double theta = degrees * std::numbers::pi / 180.0;
        outline << QPointF(centre.x() + std::sin(theta) * dpiX / 32.0,
                           centre.y() - std::cos(theta) * dpiY / 32.0);
    }
    return outline;
}

std::vector<int> MarkerIndices(int count, int every) {
    std::vector<int> indices;
    if (every <= 0) return indices;
    for (int k = 0; k < count; k += every) indices.push_back(k);
    return indices;
}
