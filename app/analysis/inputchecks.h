// The checks of the input that the engine would otherwise accept silently:
// wall stiffness rows beyond the last node, a flexural stiffness that is not
// positive, a soil parameter that cannot be negative and is, and a backfill
// slope steeper than the friction angle of a frictional soil layer.
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

// A flexural stiffness EI, which the engine divides by: of a row of the wall
// stiffness table, or of a point of a moment vs EI curve set.
struct TRigidity {
    int set = 0;  // 0 for the wall stiffness table, else the 1-based curve set
    int row = 0;  // 1-based row of the table, or point of the set's curve
    double value = 0.0;
};

// A soil parameter that cannot be negative: a unit weight, a cohesion or
// undrained shear strength, a rock strength or a subgrade modulus k.
struct TSoilValue {
    QString table;        // the soil-layer table's caption: "Soil Layers"
    int layer = 0;        // 1-based
    bool bottom = false;  // at the bottom of the layer, else at its top
    QString name;         // the parameter's column caption: "Total Unit Weight"
    double value = 0.0;   // as the table shows it
};

// What the checks read of the current project (the current stage).
struct TInputCheckData {
    int increments = 0;
    QList<TStiffnessRange> stiffnessRows;
    double backfillSlope = 0.0;  // Beta, degrees
    QList<TLayerFriction> soilLayers;
    QList<TRigidity> rigidities;
    QList<TSoilValue> soilValues;
};

// The warning for the first violation found, or nothing when the run may go on.
[[nodiscard]] std::optional<QString> firstInputProblem(const TInputCheckData& data);
