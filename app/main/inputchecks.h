// The checks of the input that the engine would otherwise accept silently:
// wall stiffness rows beyond the last node, and a backfill slope steeper
// than the friction angle of a frictional soil layer.
#pragma once

#include <QList>
#include <QString>
#include <optional>

struct TStiffnessRange {
    int fromNode = 0;
    int toNode = 0;
};

struct TLayerFriction {
    int soilType = 0;            // 1-based soil-type choice; 4 sand, 5 silt
    double frictionAngle = 0.0;  // degrees, at the top of the layer
};

// What the checks read of the current project (the current stage).
struct TInputCheckData {
    int increments = 0;
    QList<TStiffnessRange> stiffnessRows;
    double backfillSlope = 0.0;  // Beta, degrees
    QList<TLayerFriction> soilLayers;
};

// The warning for the first violation found, or nothing when the run may go on.
[[nodiscard]] std::optional<QString> firstInputProblem(const TInputCheckData& data);
