#pragma once

// What the 3D view shows: the items of the "Show 3DView" menu and the deformed-shape settings.
struct TDisplaySwitches {
    bool wall = true;
    bool soilLayers = true;
    bool waterLevel = true;
    bool additionalSurcharge = true;
    bool concentratedLoads = true;
    bool tieBacks = true;
    bool boundaryConditions = true;
    bool lateralSprings = true;
    bool axes = true;
    bool deformedShape = false;
    bool undeformedModel = false;
    double deformationFactor = 0.0;
};
