#pragma once

class TProgramData;

// The size of the 3D scene, in feet (English units) or metres (SI and generic units): project
// values held in inches are divided by 12, table values held in feet are taken as they are.
struct TSceneDimensions {
    static constexpr int kPanels = 20;  // ten on each side of the centre line

    int increments = 0;
    double increment = 0.0;        // Δ
    double wallLength = 0.0;       // L
    double freeHeight = 0.0;       // H
    double panelWidth = 0.0;       // w: Wa, or L/10 without one
    double wallThickness = 0.0;    // t: Wp/10, or L/100 without one
    double soilExtent = 0.0;       // D
    double deepest = 0.0;          // the deeper of L and the bottom of the last soil layer
    double largestExtent = 0.0;    // M, for the fit scale
    double smallLengthFactor = 1;  // project small length (in / m) to scene length
    double tinyLengthFactor = 1;   // surcharge distances (in / mm) to scene length

    [[nodiscard]] static TSceneDimensions of(const TProgramData& project);

    // Pixels per scene length that fit the scene into a client area of this size.
    [[nodiscard]] double fitScale(int clientWidth, int clientHeight) const;
    // Centre of panel i (0..19) along the wall.
    [[nodiscard]] double panelCentre(int panel) const;
};
