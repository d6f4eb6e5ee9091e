#include "app/project/unitswitch.h"

#include <algorithm>

TUnitSwitch TUnitSwitch::between(int from, int to) {
    if (from == kEnglishUnits && to == kSIUnits) return {true, 0.0254, 0.004448222468060651};
    if (from == kSIUnits && to == kEnglishUnits) return {true, 39.3701, 224.8089};
    return {};
}

int clampedUnitSystem(int units) {
    return std::clamp(units, int(kEnglishUnits), int(kGenericUnits));
}
