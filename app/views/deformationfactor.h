#pragma once

// The up-down steps of the deformation factor on the 1-2-...-9-10 scale: each step moves the
// factor's leading digit by one within its decade (10 × decade going up becomes 20 × decade,
// 1 × decade going down becomes 0.9 × decade); a factor of 0 or less becomes 1.
namespace DeformationFactor {
[[nodiscard]] double stepUp(double factor);
[[nodiscard]] double stepDown(double factor);
}  // namespace DeformationFactor
