#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <vector>

// The side view as device-pixel primitives, the same for the window and the printed page.
struct TSideStroke {
    QPoint from;
    QPoint to;
    int penWidth = 1;
};

// A text whose top left corner lies `line` text lines below `at`.
struct TSideLabel {
    QPoint at;
    int line = 0;
    QString text;
};

struct TSideCircle {
    QRect bounds;
    int penWidth = 1;
};

struct TSideDrawing {
    std::vector<TSideStroke> strokes;  // in painting order
    std::vector<TSideLabel> labels;
    std::vector<QPolygon> wall;        // filled with the window-text colour
    std::vector<TSideCircle> topView;  // white-filled circles
};
