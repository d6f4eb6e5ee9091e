// Composite unit labels of the earth-pressure report sections, built from the
// fixed-width pieces of the unit labels: " LBS/IN**2" for a pressure,
// " LBS/IN**3" for a unit weight, " LBS/IN" for a force per unit width.
#pragma once

#include "engine/fixed_line.h"
#include "engine/unit_labels.h"

namespace keldra {

inline FixedLine& ForcePerLength(FixedLine& line, const UnitLabels& u) {
    return line.A(4, u.F).Text("/").A(2, u.L2);
}

inline FixedLine& Pressure(FixedLine& line, const UnitLabels& u) {
    return ForcePerLength(line, u).Text("**2");
}

inline FixedLine& UnitWeight(FixedLine& line, const UnitLabels& u) {
    return ForcePerLength(line, u).Text("**3");
}

}  // namespace keldra
