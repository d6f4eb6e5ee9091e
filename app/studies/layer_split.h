// Splitting the layers of a soil-layer table into thinner layers of the same
// soil. The engine generates five p-y curves per layer and gives a sand or
// silt layer below another an equivalent depth, so how the soil is split
// into layers changes the answer; a split shows by how much.
//
// A layer is split where it carries p-y curves: its part below the
// excavation level and above the deepest depth the engine builds curves to
// (the tip plus two increments) is cut into equal parts. The parameters at a
// new boundary are interpolated linearly between the layer's top and bottom
// rows, so a uniform layer stays uniform and a linear one stays on its line.
#pragma once

#include <QString>

class TGridTable;

namespace keldra::studies {

// The depths, from the top of the wall in the table's depth unit, between
// which the engine builds p-y curves.
struct CurveDepths {
    double top = 0.0;     // the excavation level
    double bottom = 0.0;  // the tip plus two increments
};

// The part of layer `row` that carries p-y curves, in the table's depth
// unit; 0 when the layer has none.
[[nodiscard]] double CurveThickness(const TGridTable& layers, int row, const CurveDepths& depths);

// The depth of the top of layer `row` from the top of the wall.
[[nodiscard]] double LayerTop(const TGridTable& layers, int row);

// The name of the soil of layer `row`, as the table's type choice gives it.
[[nodiscard]] QString SoilName(const TGridTable& layers, int row);

struct LayerSplit {
    int split = 0;       // layers split
    int splittable = 0;  // layers that carry p-y curves
};

// Splits the layers that carry p-y curves, each into `parts` layers, the
// thickest first, as far as the table's row limit allows.
LayerSplit SplitLayers(TGridTable& layers, int parts, const CurveDepths& depths);

// The most parts every layer that carries p-y curves can be split into
// within the table's row limit; at least 1.
[[nodiscard]] int MostParts(const TGridTable& layers, const CurveDepths& depths);

}  // namespace keldra::studies
