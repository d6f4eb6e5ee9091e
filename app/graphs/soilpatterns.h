#pragma once

#include <QBrush>
#include <QImage>

// The fill of a soil band by its soil code: 1 clay diagonal lines, 7 sand a dot grid, 8 silt
// short horizontal dashes, 9 strong rock brick courses, 10 weak rock bricks crossed by
// diagonals, 11 dots with scattered pebbles, 12 scattered pebbles (pattern tiles drawn at the
// device's resolution, so a printed strip is as fine as on screen); 2 forward-diagonal hatch,
// 3 cross hatch, 4 diagonal cross hatch, 5 horizontal and 6 vertical hatch; no fill otherwise.
[[nodiscard]] QBrush SoilFill(int code, double dpi);

// The pattern tile of a code that has one, a square of 16 pixels per 96 dpi; a null image
// for the other codes.
[[nodiscard]] QImage SoilPatternTile(int code, double dpi);
