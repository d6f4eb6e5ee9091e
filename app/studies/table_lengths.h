// Lengths in the data tables: a depth column holds its display unit (ft, m),
// and the project file's writer multiplies it by the column's factor into the
// engine's length (in, m).
#pragma once

#include "app/tables/floatcolumn.h"
#include "app/tables/gridtable.h"

namespace keldra::studies {

// The column of a soil-layer table that holds the depth of a layer's bottom.
inline constexpr int kLayerBottomColumn = 1;

// Values of `column` times this are in the engine's length.
[[nodiscard]] inline double EngineFactor(const TGridTable& table, int column) {
    return static_cast<const TFloatColumn&>(table.column(column)).engineFactor();
}

}  // namespace keldra::studies
