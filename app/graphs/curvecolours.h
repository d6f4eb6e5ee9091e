#pragma once

#include <QColor>

inline constexpr int kCurveColourCount = 17;

// The colour of the curve at a position among the active curves (taken modulo 17).
[[nodiscard]] QColor CurveColour(int position);
