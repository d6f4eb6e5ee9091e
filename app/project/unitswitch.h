#pragma once

// Unit systems of a project, its tables and its files.
enum TUnitSystem : int { kEnglishUnits = 1, kSIUnits = 2, kGenericUnits = 3 };

// The factors by which project values change when the unit system switches. Only a switch
// between English and SI converts anything; the two directions use rounded factors that are
// not exact inverses of each other (120 in -> 3.048 m -> 120.0000648 in).
struct TUnitSwitch {
    bool converts = false;
    double length = 1.0;  // per small length (in <-> m)
    double force = 1.0;   // per force (lbs <-> kN)

    [[nodiscard]] static TUnitSwitch between(int from, int to);

    [[nodiscard]] double lengthValue(double value) const { return value * length; }
    [[nodiscard]] double forceValue(double value) const { return value * force; }
    [[nodiscard]] double linePressure(double value) const { return value * force / length; }
    [[nodiscard]] double stress(double value) const { return value * force / (length * length); }
};

// A unit system number clamped to the three systems.
[[nodiscard]] int clampedUnitSystem(int units);
