#pragma once

#include <vector>

#include "app/views/scenetypes.h"

struct TSceneDimensions;

// The wall bent by its deflection: node i moves across the wall by deflection[i] × factor, and
// each increment becomes a brick whose ends are cut perpendicular to the deformed axis (at an
// inner node along the mean direction of its two segments), so the wall keeps its thickness.
class TDeformedWall {
  public:
    // The two faces of the wall at one node, in the x-z plane.
    struct TSection {
        TVec3 backfill;
        TVec3 excavation;
    };

    // One section per node; empty unless `deflection` has a value for every node.
    [[nodiscard]] static std::vector<TSection> sections(const TSceneDimensions& dims,
                                                        const std::vector<double>& deflection,
                                                        double factor);

    // The bricks of one post of width `width` centred at `centre` along the wall.
    [[nodiscard]] static std::vector<TSceneBox> post(const std::vector<TSection>& sections,
                                                     double centre, double width, TColour fill,
                                                     TColour edges);
};
