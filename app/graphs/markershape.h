#pragma once

#include <QPointF>
#include <QPolygonF>

// The marker shape of the curve with 0-based index i: s = i + 1 reduced cyclically to 1..10.
[[nodiscard]] int MarkerShape(int curveIndex);

// The outline of marker shape s around `centre`, with radius dpiX/32 horizontally and dpiY/32
// vertically; vertex angles are measured from straight up. 1 is a triangle pointing down, 2 a
// square, s >= 3 a regular polygon with s vertices starting at the top.
[[nodiscard]] QPolygonF MarkerPolygon(int shape, QPointF centre, double dpiX, double dpiY);
