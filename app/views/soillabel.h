#pragma once

#include <QString>

class TGridTable;

// The two text lines of a soil layer in the side view: its soil name and its main parameters,
// from the second row (the bottom) of its parameter table.
namespace SoilLabel {
[[nodiscard]] QString name(int soilType);
[[nodiscard]] QString parameters(int soilType, const TGridTable* parameters);
}  // namespace SoilLabel
