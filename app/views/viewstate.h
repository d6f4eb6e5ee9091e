#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "app/views/scenetypes.h"

// How the user looks at the 3D scene: rotations, pan offsets and zoom, changed by the tool
// buttons and by dragging with the left mouse button in one of four modes.
class T3DViewState {
  public:
    enum TMouseMode : int { Panning = 1, Zooming = 2, Rotating = 3, ZoomWindow = 4 };
    static constexpr double kZoomInFactor = 1.4142;
    static constexpr double kZoomOutFactor = 0.7071135624381275633;  // 1 / 1.4142

    TVec3 angles;  // degrees about the scene's x, y and z axes
    TVec3 pans;    // scene lengths along x, y and z
    double zoom = 1.0;
    TMouseMode mode = Rotating;
    bool zoomWindow = false;  // follows the "Zoom Window" button

    void zoomIn() { zoom *= kZoomInFactor; }
    void zoomOut() { zoom *= kZoomOutFactor; }
    void restart();  // angles, zoom and pans back to their start

    // The left button went down at `point`.
    void press(QPoint point);
    // The pointer moved to `point` with the left button down; `shift` keeps only the larger
    // component of the motion. `scale` is the fit scale (pixels per scene length).
    void drag(QPoint point, bool shift, QSize window, double scale);
    // The left button came up: in zoom-window mode the dragged rectangle fills the window.
    void release(QPoint point, QSize window, double scale);
    // The rectangle being dragged in zoom-window mode, in window coordinates; empty otherwise.
    [[nodiscard]] QRect selection() const { return m_selecting ? m_selection : QRect(); }

    // A direction on the screen (x right, y up, z out of the screen) in scene axes under the
    // current rotation, including the turn that makes depth run down the screen.
    [[nodiscard]] TVec3 screenToScene(TVec3 screen) const;

  private:
    QPoint m_pressPoint;
    TVec3 m_pressAngles;
    TVec3 m_pressPans;
    double m_pressZoom = 1.0;
    bool m_selecting = false;
    QRect m_selection;
};
