#pragma once

#include <QPointF>
#include <QPolygonF>
#include <vector>

// The marker shape of the curve with 0-based index i: s = i + 1 reduced cyclically to 1..10.
[[nodiscard]] int MarkerShape(int curveIndex);

// The outline of marker shape s around `centre`, with radius dpiX/32 horizontally and dpiY/32
// vertically; vertex angles are measured from straight up. 1 is a triangle pointing down, 2 a
// square, s >= 3 a regular polygon with s vertices starting at the top.
[[nodiscard]] QPolygonF MarkerPolygon(int shape, QPointF centre, double dpiX, double dpiY);

// The points of a curve with `count` points that get a marker: the first and every n-th one;
// none for n <= 0.
[[nodiscard]] std::vector<int> MarkerIndices(int count, int every);
