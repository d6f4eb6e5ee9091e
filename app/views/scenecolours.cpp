#include "app/views/scenecolours.h"

#include <array>

namespace SceneColour {

TColour layer(int k) {
    static constexpr std::array<TColour, 10> kLayers{{
        {0.8f, 0.55f, 0.0f, 1.0f},
        {0.55f, 0.4f, 0.2f, 1.0f},
        {0.4f, 0.4f, 0.2f, 1.0f},
        {0.4f, 0.4f, 0.55f, 1.0f},
        {0.0f, 0.5f, 0.5f, 1.0f},
        {0.2f, 0.2f, 0.55f, 1.0f},
        {0.8f, 0.0f, 0.8f, 1.0f},
        {0.4f, 0.4f, 0.55f, 1.0f},
        {0.15f, 0.15f, 0.45f, 1.0f},
        {0.65f, 0.4f, 0.2f, 1.0f},
    }};
    return kLayers[static_cast<std::size_t>(k % 10)];
}

}  // namespace SceneColour
