#pragma once

#include <QPoint>
#include <QRectF>
#include <QSize>
#include <optional>
#include <vector>

#include "app/views/sidedrawing.h"

class TProgramData;

// A window on the side view's world: x across the wall, y the depth below the top margin.
struct TWorldWindow {
    double x1 = -10.0;
    double x2 = 10.0;
    double y1 = 0.0;   // top
    double y2 = 10.0;  // bottom

    [[nodiscard]] bool hasArea() const { return x2 != x1 && y2 != y1; }
};

// The to-scale sketch of the soil profile: the world window around the wall, its stretch to
// the client area and the drawing of layers, surfaces, wall and symbols for the window or for
// a landscape page. Lengths are in the project's small length; English layer depths (feet) are
// taken × 12. Every depth d is drawn at world y = t0 + d, t0 being a tenth of the wall length.
class TSideViewGeometry {
  public:
    // Rebuilds the wall outline and the world window from the project (window activation).
    void activate(const TProgramData& project);
    // Stretches the world window to the client area's aspect ratio about 0.
    void resize(QSize client);

    [[nodiscard]] const TWorldWindow& world() const { return m_world; }
    [[nodiscard]] const TWorldWindow& view() const { return m_view; }
    [[nodiscard]] const std::vector<QRectF>& outlines() const { return m_outlines; }
    [[nodiscard]] double topMargin() const { return m_t0; }

    // World point to client pixel, rounded.
    [[nodiscard]] QPoint map(double x, double y) const;
    // The caption for the pointer at `pixel`: "  Depth: " and the depth with one decimal;
    // nothing when the world window has no area.
    [[nodiscard]] std::optional<QString> depthCaption(QPoint pixel) const;

    [[nodiscard]] TSideDrawing screenDrawing(const TProgramData& project) const;
    [[nodiscard]] TSideDrawing paperDrawing(const TProgramData& project, QSize page) const;

  private:
    struct TTarget;
    [[nodiscard]] TSideDrawing drawing(const TProgramData& project, const TTarget& target) const;

    std::vector<QRectF> m_outlines;
    TWorldWindow m_world;
    TWorldWindow m_view;
    QSize m_client;
    double m_t0 = 0.0;
};
