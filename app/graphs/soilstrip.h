#pragma once

#include <QFont>
#include <QRect>

#include "app/graphs/panelmapping.h"

class QPainter;
class TGraphPlot;

// The soil-layer strip beside a depth plot: one band per soil layer, filled by its soil code,
// and optionally the wall with the excavation side starting at the free height.
struct TSoilStrip {
    const TGraphPlot& graph;
    QRect strip;
    TPanelMapping depth;  // the plot's mapping; only its depth (y) axis is used
    QFont nameFont;       // the normal font at scale 10
    double dpi;

    void draw(QPainter& p) const;

  private:
    void drawBand(QPainter& p, int left, int right, double top, double bottom, int code) const;
    void drawLayers(QPainter& p) const;
    void drawWithWall(QPainter& p) const;
};
