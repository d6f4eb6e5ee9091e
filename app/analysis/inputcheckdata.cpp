#include "app/analysis/inputcheckdata.h"

#include "app/project/filetables.h"
#include "app/project/programdata.h"
#include "app/project/soilparameterline.h"
#include "app/tables/column.h"
#include "app/tables/gridtable.h"

namespace {

// The friction angle is the second parameter of sand and silt layers; row 0
// holds the values at the top of the layer.
constexpr int kFrictionAngleColumn = 1;
constexpr int kFromNodeColumn = 0;
constexpr int kToNodeColumn = 1;
constexpr int kStiffnessColumn = 3;
constexpr int kRigidityColumn = 1;  // of a moment vs EI curve: moment, EI

// The parameter columns of a soil type that hold a unit weight, a cohesion or undrained shear
// strength, a rock strength or a subgrade modulus k.
QList<int> nonNegativeParameters(int soilType) {
    switch (soilType) {
        case kSand:
            return {0, 2};
        case kSilt:
            return {0, 2, 4};
        case kStrongRock:
        case kWeakRock:
            return {0, 1};
        default:
            return {0, 1, 3};
    }
}

// A column's header lines as one caption: {"Total Unit", "Weight,"} -> "Total Unit Weight".
QString columnCaption(const TGridTable& table, int column) {
    QString caption = table.column(column).definition().titleLines.join(QLatin1Char(' '));
    caption = caption.simplified();
    if (caption.endsWith(QLatin1Char(','))) caption.chop(1);
    return caption;
}

void addSoilValues(const TGridTable& layers, TInputCheckData& data) {
    for (int layer = 0; layer < layers.rowCount(); ++layer) {
        const TGridTable* parameters = layers.subTable(SoilLayerColumn::kParameters, layer);
        if (parameters == nullptr) continue;
        const int soilType = layers.integer(SoilLayerColumn::kType, layer);
        for (const int column : nonNegativeParameters(soilType)) {
            for (int row = 0; row < parameters->rowCount(); ++row)
                data.soilValues.append({layers.caption(), layer + 1, row > 0,
                                        columnCaption(*parameters, column),
                                        parameters->real(column, row)});
        }
    }
}

void addMomentEIRigidities(const TGridTable& sets, TInputCheckData& data) {
    for (int set = 0; set < sets.rowCount(); ++set) {
        const TGridTable* curve = sets.subTable(MomentEISetColumn::kCurve, set);
        if (curve == nullptr) continue;
        for (int point = 0; point < curve->rowCount(); ++point)
            data.rigidities.append({set + 1, point + 1, curve->real(kRigidityColumn, point)});
    }
}

}  // namespace

TInputCheckData inputCheckDataOf(const TProgramData& project) {
    const TFileTables tables = TFileTables::of(project.tables());
    TInputCheckData data;
    data.increments = project.wall.increments;
    const TGridTable& stiffness = tables.stiffness;
    for (int row = 0; row < stiffness.rowCount(); ++row) {
        data.stiffnessRows.append(
            {stiffness.integer(kFromNodeColumn, row), stiffness.integer(kToNodeColumn, row)});
        data.rigidities.append({0, row + 1, stiffness.real(kStiffnessColumn, row)});
    }
    if (project.options.momentEI) addMomentEIRigidities(tables.momentEISets, data);
    data.backfillSlope = project.configuration.backfillSlope;
    const TGridTable& layers = tables.soilLayers;
    for (int row = 0; row < layers.rowCount(); ++row) {
        TLayerFriction layer{layers.integer(SoilLayerColumn::kType, row), 0.0};
        const TGridTable* parameters = layers.subTable(SoilLayerColumn::kParameters, row);
        const bool frictional = layer.soilType == kSand || layer.soilType == kSilt;
        if (frictional && parameters && parameters->rowCount() > 0)
            layer.frictionAngle = parameters->real(kFrictionAngleColumn, 0);
        data.soilLayers.append(layer);
    }
    addSoilValues(layers, data);
    if (project.options.shortAndLongTerm) addSoilValues(tables.longTermSoilLayers, data);
    return data;
}
