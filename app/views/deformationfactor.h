#pragma once

#include <vector>

// The up-down steps of the deformation factor on the 1-2-...-9-10 scale: each step moves the
// factor's leading digit by one within its decade (10 × decade going up becomes 20 × decade,
// 1 × decade going down becomes 0.9 × decade); a factor of 0 or less becomes 1.
namespace DeformationFactor {
[[nodiscard]] double stepUp(double factor);
[[nodiscard]] double stepDown(double factor);

// The factor on that scale (one significant digit) that draws the largest deflection as about a
// tenth of the wall's length; 0 when there is no deflection or no wall to fit.
[[nodiscard]] double fit(const std::vector<double>& deflection, double wallLength);
}  // namespace DeformationFactor
