// The values of pi the engine computes with. The report's digits depend on
// which one a formula uses, so each keeps the form its method was published in.
#pragma once

#include <numbers>

namespace keldra {

// The soil profile, the sand model and the surcharge pressure table take pi as
// 3.1416 (friction angles between degrees and radians, 4/pi and 2/pi).
inline constexpr double kPiFourDecimals = 3.1416;

// The tieback angle takes 3.1416 as a single-precision constant widened to
// double.
inline constexpr double kPiSingle = static_cast<double>(3.1416f);

// The silt model computes with pi itself.
inline constexpr double kPi = std::numbers::pi;

}  // namespace keldra
