#include "app/views/deformedwall.h"

#include <cmath>

#include "app/views/scenedimensions.h"

namespace {

TVec3 unit(TVec3 v) {
    const double length = std::hypot(v.x, v.z);
    return length > 0.0 ? v * (1.0 / length) : TVec3{0.0, 0.0, -1.0};
}

}  // namespace

std::vector<TDeformedWall::TSection> TDeformedWall::sections(const TSceneDimensions& dims,
                                                             const std::vector<double>& deflection,
                                                             double factor) {
    const int n = dims.increments;
    if (n < 1 || static_cast<int>(deflection.size()) < n + 1) return {};
    std::vector<TVec3> nodes;
    for (int i = 0; i <= n; ++i)
        nodes.push_back({deflection[i] * factor, 0.0, -i * dims.increment});

    std::vector<TSection> result;
    const double half = dims.wallThickness / 2;
    for (int i = 0; i <= n; ++i) {
        const TVec3 before = unit(nodes[std::max(i, 1)] - nodes[std::max(i, 1) - 1]);
        const TVec3 after = unit(nodes[std::min(i + 1, n)] - nodes[std::min(i + 1, n) - 1]);
        const TVec3 along = unit(before + after);
        const TVec3 normal{along.z, 0.0, -along.x};  // points to the backfill for a downward axis
        result.push_back({nodes[i] + normal * half, nodes[i] - normal * half});
    }
    return result;
}

std::vector<TSceneBox> TDeformedWall::post(const std::vector<TSection>& sections, double centre,
                                           double width, TColour fill, TColour edges) {
    std::vector<TSceneBox> bricks;
    for (std::size_t i = 1; i < sections.size(); ++i) {
        TSceneBox brick{{}, fill, edges};
        for (int c = 0; c < 8; ++c) {
            const TSection& s = sections[c & 4 ? i - 1 : i];
            TVec3 corner = c & 1 ? s.excavation : s.backfill;
            corner.y = centre + (c & 2 ? 0.5 : -0.5) * width;
            brick.corners[c] = corner;
        }
        bricks.push_back(brick);
    }
    return bricks;
}
