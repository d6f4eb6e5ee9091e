#pragma once

#include "app/views/scenetypes.h"

// Builders of the hexahedra of the scene.
namespace SceneBox {

// An axis-aligned box between two opposite corners.
[[nodiscard]] TSceneBox aligned(TVec3 low, TVec3 high, TColour fill, TColour edges);

// A box of square section `side` whose axis runs from `from` along the unit vector `along`
// (lying in the x-z plane) for `length`.
[[nodiscard]] TSceneBox rod(TVec3 from, TVec3 along, double length, double side, TColour fill,
                            TColour edges);

}  // namespace SceneBox
