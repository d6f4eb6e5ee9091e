#include "app/views/scenebox.h"

namespace SceneBox {

TSceneBox aligned(TVec3 low, TVec3 high, TColour fill, TColour edges) {
    TSceneBox box{{}, fill, edges};
    for (int c = 0; c < 8; ++c)
        box.corners[c] = {c & 1 ? high.x : low.x, c & 2 ? high.y : low.y, c & 4 ? high.z : low.z};
    return box;
}

TSceneBox rod(TVec3 from, TVec3 along, double length, double side, TColour fill, TColour edges) {
    // The section's axes: across the rod in the x-z plane and along the wall.
    const TVec3 across{-along.z, 0.0, along.x};
    const TVec3 wallward{0.0, 1.0, 0.0};
    TSceneBox box{{}, fill, edges};
    for (int c = 0; c < 8; ++c) {
        const double a = (c & 1 ? 0.5 : -0.5) * side;
        const double b = (c & 2 ? 0.5 : -0.5) * side;
        const double s = c & 4 ? length : 0.0;
        box.corners[c] = from + across * a + wallward * b + along * s;
    }
    return box;
}

}  // namespace SceneBox
