#pragma once

#include "app/tables/unitstring.h"

// The factors by which project values change when the unit system switches. Only a switch
// between English and SI converts anything; the two directions use rounded factors that are
// not exact inverses of each other (120 in -> 3.048 m -> 120.0000648 in).
struct TUnitSwitch {
    bool converts = false;
    double length = 1.0;  // per small length (in <-> m)
    double force = 1.0;   // per force (lbs <-> kN)

    [[nodiscard]] static TUnitSwitch between(int from, int to);

    [[nodiscard]] double convertLength(double value) const { return value * length; }
    [[nodiscard]] double convertForce(double value) const { return value * force; }
    [[nodiscard]] double convertForcePerLength(double value) const {
        return value * force / length;
    }
    [[nodiscard]] double convertForcePerArea(double value) const {
        return value * force / (length * length);
    }
};

// A unit system number clamped to the three systems.
[[nodiscard]] int clampedUnitSystem(int units);
