#include "app/views/viewstate.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

struct TMatrix3 {
    double m[3][3];

    [[nodiscard]] TMatrix3 operator*(const TMatrix3& o) const {
        TMatrix3 r{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                for (int k = 0; k < 3; ++k) r.m[i][j] += m[i][k] * o.m[k][j];
        return r;
    }
    [[nodiscard]] TVec3 transposedTimes(TVec3 v) const {
        return {m[0][0] * v.x + m[1][0] * v.y + m[2][0] * v.z,
                m[0][1] * v.x + m[1][1] * v.y + m[2][1] * v.z,
                m[0][2] * v.x + m[1][2] * v.y + m[2][2] * v.z};
    }
};

// The rotation matrix of `degrees` about the axis with index 0 (x), 1 (y) or 2 (z).
TMatrix3 rotation(int axis, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    TMatrix3 r{};
    const int i = (axis + 1) % 3;
    const int j = (axis + 2) % 3;
    r.m[axis][axis] = 1.0;
    r.m[i][i] = c;
    r.m[j][j] = c;
    r.m[i][j] = -s;
    r.m[j][i] = s;
    return r;
}

// Keeps only the larger component of a motion.
QPoint restricted(QPoint delta, bool shift) {
    if (!shift) return delta;
    return std::abs(delta.x()) >= std::abs(delta.y()) ? QPoint(delta.x(), 0) : QPoint(0, delta.y());
}

}  // namespace

void T3DViewState::restart() {
    angles = {};
    pans = {};
    zoom = 1.0;
}

TVec3 T3DViewState::screenToScene(TVec3 screen) const {
    const TMatrix3 r =
        rotation(0, -90.0) * rotation(0, angles.x) * rotation(1, angles.y) * rotation(2, angles.z);
    return r.transposedTimes(screen);
}

void T3DViewState::press(QPoint point) {
    m_pressPoint = point;
    m_pressAngles = angles;
    m_pressPans = pans;
    m_pressZoom = zoom;
    m_selecting = mode == ZoomWindow;
    m_selection = QRect(point, point);
}

void T3DViewState::drag(QPoint point, bool shift, QSize window, double scale) {
    const QPoint delta = restricted(point - m_pressPoint, shift);
    if (window.isEmpty()) return;
    switch (mode) {
        case Panning: {
            // One pixel of motion moves the scene by one pixel on the screen.
            const TVec3 moved = screenToScene({double(delta.x()), double(-delta.y()), 0.0});
            pans = m_pressPans + moved * (1.0 / (m_pressZoom * scale));
            break;
        }
        case Zooming:
            zoom = m_pressZoom * (1.0 - double(delta.y()) / window.height());
            break;
        case Rotating: {
            const TVec3 turn{delta.y() * 180.0 / 2 / window.height(),
                             delta.x() * 180.0 / 2 / window.width(), 0.0};
            angles = m_pressAngles + screenToScene(turn);
            break;
        }
        case ZoomWindow:
            m_selection = QRect(m_pressPoint, m_pressPoint + delta).normalized();
            break;
    }
}

void T3DViewState::release(QPoint point, QSize window, double scale) {
    if (!m_selecting) return;
    m_selecting = false;
    const QRectF box = QRectF(QPointF(m_pressPoint), QPointF(point)).normalized();
    if (box.width() <= 0 || box.height() <= 0 || window.isEmpty()) return;
    const QPointF offset = box.center() - QPointF(window.width() / 2.0, window.height() / 2.0);
    const TVec3 moved = screenToScene({-offset.x(), offset.y(), 0.0});
    pans = pans + moved * (1.0 / (zoom * scale));
    zoom = m_pressZoom *
           std::min(double(window.height()) / box.height(), double(window.width()) / box.width());
}
