#include "engine/tieback.h"

#include <cmath>

#include "engine/pi.h"

namespace keldra {

namespace {
constexpr double kInchesPerFoot = 12.0;
}  // namespace

bool TiebackAsSpring(const TiebackRow& row, double H, double width, bool english,
                     TiebackSpring& spring) {
    const double feet = english ? kInchesPerFoot : 1.0;
    const double spacing = row.spacing * feet;
    const double length = row.unbonded_length * feet;
    if (!(spacing > 0.0) || !(length > 0.0) || !(width > 0.0)) return false;
    const double station = std::round(row.depth * feet / H);  // halves away from zero
    if (!(std::fabs(station) < 1e9)) return false;
    spring.station = static_cast<int>(station);
    const double theta = row.angle_degrees * kPiSingle / 180.0;
    spring.stiffness = row.area * row.modulus * std::cos(theta) / ((spacing / width) * length);
    return true;
}

}  // namespace keldra
