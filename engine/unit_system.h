// The unit system of a problem (KUNIT of the control record).
#pragma once

namespace keldra {

enum UnitSystem : int {
    kEnglishUnits = 1,  // pounds and inches
    kSIUnits = 2,       // kN and metres
    kGenericUnits = 3,  // consistent F and L
};

// Water weighs 9.81 kN/m3 in SI units, 0.036 lb/in3 otherwise.
[[nodiscard]] constexpr double UnitWeightOfWater(int KUNIT) {
    return KUNIT == kSIUnits ? 9.81 : 0.036;
}

}  // namespace keldra
