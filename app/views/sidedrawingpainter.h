#pragma once

#include <QColor>

#include "app/views/sidedrawing.h"

class QPainter;

// Paints the side view's primitives in `ink` with the painter's font: the window, a printed page
// and the calculation report draw it the same way.
void PaintSideDrawing(QPainter& painter, const TSideDrawing& drawing, const QColor& ink);
