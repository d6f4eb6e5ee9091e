// Input values that no wall or soil can have: a check names the quantity, the
// value and where it stands, and stops the run in order.
//
//   "     ERROR STOP -- FLEXURAL RIGIDITY MUST BE POSITIVE: EI =  0.000E+00 AT STA   5"
#pragma once

#include <string_view>

#include "engine/fixed_line.h"
#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

struct Quantity {
    std::string_view name;    // in the report's words
    std::string_view symbol;  // before the value
};

inline constexpr Quantity kFlexuralRigidity{"FLEXURAL RIGIDITY", "EI"};
inline constexpr Quantity kUnitWeight{"UNIT WEIGHT", "GAMMA"};
inline constexpr Quantity kCohesion{"COHESION", "C"};
inline constexpr Quantity kSubgradeModulus{"SUBGRADE MODULUS", "K"};
inline constexpr Quantity kCompressiveStrength{"UNIAXIAL COMPRESSIVE STRENGTH", "QU"};
inline constexpr Quantity kRockMassModulus{"ROCK MASS MODULUS", "ER"};

// What a value must be. NaN satisfies neither.
enum class Bound { kPositive, kNotNegative };

[[nodiscard]] bool Satisfies(Bound bound, double value);

// The stop line: the quantity, the bound, the value as E10.3, then `where`
// (" AT STA   5", " AT X =    180.10").
[[nodiscard]] FixedLine OutOfBoundLine(const Quantity& q, Bound bound, double value,
                                       std::string_view where);

// kContinue for a value within its bound; otherwise the stop line goes to
// the report (after two empty lines) and the run ends.
[[nodiscard]] Step RequireValue(EngineState& s, const Quantity& q, Bound bound, double value,
                                std::string_view where);

}  // namespace keldra
