#pragma once

#include "app/views/scenetypes.h"

// Fill and edge colours of the 3D scene's objects.
namespace SceneColour {
inline constexpr TColour kPanelFill{0.75f, 0.75f, 0.75f, 1.0f};
inline constexpr TColour kPanelEdges{0.9f, 0.9f, 0.0f, 1.0f};
inline constexpr TColour kPanelTopFill{0.25f, 0.25f, 0.25f, 1.0f};
inline constexpr TColour kOrangeEdges{1.0f, 0.5f, 0.0f, 1.0f};  // panel tops, springs, tiebacks
inline constexpr TColour kSpringFill{0.5f, 0.5f, 0.5f, 1.0f};
inline constexpr TColour kTiebackFill{0.5f, 0.75f, 0.75f, 1.0f};
inline constexpr TColour kWaterPlaneFill{0.0f, 0.0f, 1.0f, 0.75f};
inline constexpr TColour kWaterSymbolBackfill{0.0f, 0.0f, 1.0f, 0.5f};
inline constexpr TColour kWaterSymbolExcavation{0.0f, 0.0f, 1.0f, 0.75f};
inline constexpr TColour kStripSlabFill{0.0f, 0.0f, 1.0f, 0.25f};
inline constexpr TColour kBlue{0.0f, 0.0f, 1.0f, 1.0f};
inline constexpr float kLayerFillOpacity = 0.5f;
inline constexpr float kSymbolFillOpacity = 0.6f;

// Colour of soil layer k (counted from 0), opaque; the cycle repeats after ten layers.
[[nodiscard]] TColour layer(int k);
}  // namespace SceneColour
