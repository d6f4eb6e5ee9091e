// A copy of a project with its soil layers split: in every stage and soil
// profile, the layers that carry p-y curves are each split into equal parts
// as far as the soil-layer table's row limit allows. With it come, per
// problem of the run, the facts that tell whether a comparison with the
// original means something and where the original's curves lie furthest
// apart.
#pragma once

#include <QString>
#include <vector>

#include "app/studies/layer_split.h"

namespace keldra::studies {

// A laterally loaded wall takes most of its soil resistance within about ten
// widths below the excavation level: the curves there decide the answer.
inline constexpr double kNearTopWidths = 10.0;

struct ProblemLayers {
    bool generated = false;    // p-y curves are generated from layers below the excavation
    bool user_curves = false;  // user-specified p-y curves are applied
    int layers = 0;            // rows of the soil-layer table
    LayerSplit split;
    // Of the layers that start within kNearTopWidths widths below the
    // excavation level, the one whose curves lie furthest apart.
    int widest_layer = 0;  // its row in the soil-layer table, from 1; 0 for none
    QString widest_soil;
    double widest_spacing = 0.0;  // between its curves, in wall widths (WP)
    int most_parts = 1;           // the most parts every such layer can be split into
};

// Writes `target`: `source` with its layers split into `parts`. Returns the
// facts of the original, per problem in the order the engine runs them (the
// stages, or the short and the long term). With `parts` 1 the copy is the
// project as it is. Raises EInOutError.
std::vector<ProblemLayers> WriteLayerVariant(const QString& source, const QString& target,
                                             int parts);

}  // namespace keldra::studies
