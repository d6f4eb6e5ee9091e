#include "app/project/soilparameterline.h"

namespace {

constexpr int kUnused = TSoilParameterLine::kUnusedParameter;

// Parameter tables: clay (unit weight, cohesion, E50, k, coefficient); sand (unit weight,
// friction angle, k, coefficient); silt (unit weight, friction angle, cohesion, E50, k,
// coefficient); strong rock (unit weight, compressive strength); weak rock (unit weight,
// compressive strength, krm, modulus, RQD).
constexpr TSoilParameterLine kClay{{0, 1, kUnused, 2, 3, 4}, true};
constexpr TSoilParameterLine kSandLine{{0, kUnused, 1, kUnused, 2, 3}, true};
constexpr TSoilParameterLine kSiltLine{{0, 2, 1, 3, 4, 5}, true};
constexpr TSoilParameterLine kStrongRockLine{{0, 1, kUnused, kUnused, kUnused, kUnused}, false};
constexpr TSoilParameterLine kWeakRockLine{{0, 1, kUnused, 2, 3, 4}, false};

}  // namespace

const TSoilParameterLine& TSoilParameterLine::of(int soilType) {
    switch (soilType) {
        case kSand:
            return kSandLine;
        case kSilt:
            return kSiltLine;
        case kStrongRock:
            return kStrongRockLine;
        case kWeakRock:
            return kWeakRockLine;
        default:
            return kClay;
    }
}
