#include "app/analysis/inputchecks.h"

#include <limits>

namespace {

constexpr int kSand = 4;
constexpr int kSilt = 5;

// Values as the user typed them: the shortest form with up to 15 digits.
QString valueText(double value) { return QString::number(value, 'g', 15); }

QString nodeWarning(const char* which, int node, int row, int increments) {
    return QStringLiteral(
               "%1, %2 in row %3 of Wall Stiffness definition\n"
               "is greater than number of nodes defined, %4.\n"
               "Please check on Wall Properties Windows and Wall Stiffness Table")
        .arg(QLatin1String(which))
        .arg(node)
        .arg(row)
        .arg(increments);
}

std::optional<QString> stiffnessProblem(const TInputCheckData& data) {
    for (int i = 0; i < data.stiffnessRows.size(); ++i) {
        const TStiffnessRange& r = data.stiffnessRows[i];
        if (r.fromNode > data.increments)
            return nodeWarning("Initial Node", r.fromNode, i + 1, data.increments);
        if (r.toNode > data.increments)
            return nodeWarning("End Node", r.toNode, i + 1, data.increments);
    }
    return std::nullopt;
}

// The engine divides by EI: zero, a value too small to divide by, or a negative stiffness
// would bend the wall without limit or against the load.
std::optional<QString> rigidityProblem(const TInputCheckData& data) {
    for (const TRigidity& r : data.rigidities) {
        if (r.value >= std::numeric_limits<double>::min()) continue;
        const QString problem = r.value < 0.0 ? QStringLiteral("is negative.")
                                              : QStringLiteral("is zero or too small to be used.");
        if (r.set == 0)
            return QStringLiteral(
                       "Flexural Stiffness (EI), %1 in row %2 of Wall Stiffness definition\n"
                       "%3\nPlease check on Wall Stiffness Table")
                .arg(valueText(r.value))
                .arg(r.row)
                .arg(problem);
        return QStringLiteral(
                   "Flexural rigidity, %1 in point %2 of set %3 of Nonlinear Moment vs EI "
                   "Curves\n%4\nPlease check on Sets of Nonlinear Moment vs EI Curves")
            .arg(valueText(r.value))
            .arg(r.row)
            .arg(r.set)
            .arg(problem);
    }
    return std::nullopt;
}

std::optional<QString> soilValueProblem(const TInputCheckData& data) {
    for (const TSoilValue& v : data.soilValues) {
        if (v.value >= 0.0) continue;
        return QStringLiteral("%1, %2 at the %3 of layer %4 in %5\nis negative.\nPlease check %5")
            .arg(v.name, valueText(v.value),
                 v.bottom ? QStringLiteral("bottom") : QStringLiteral("top"),
                 QString::number(v.layer), v.table);
    }
    return std::nullopt;
}

std::optional<QString> slopeProblem(const TInputCheckData& data) {
    const double beta = data.backfillSlope;
    if (beta <= 0.0) return std::nullopt;
    for (int i = 0; i < data.soilLayers.size(); ++i) {
        const TLayerFriction& layer = data.soilLayers[i];
        if (layer.frictionAngle >= beta) continue;
        const QString b = valueText(beta), phi = valueText(layer.frictionAngle);
        if (layer.soilType == kSand)
            return QStringLiteral(
                       "Slope of the Backfill: %1 deg.\nis greater than friction angle, %2 deg.,\n"
                       "in layer %3\nPlease check on Wall Configuration and Soil Layers Windows")
                .arg(b, phi)
                .arg(i + 1);
        if (layer.soilType == kSilt)
            return QStringLiteral(
                       "Slope of the Backfill: %1\nis greater than friction angle, %2,\n"
                       "in layer %3\nPlease check Soil Layers")
                .arg(b, phi)
                .arg(i + 1);
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> firstInputProblem(const TInputCheckData& data) {
    for (const auto check : {stiffnessProblem, rigidityProblem, soilValueProblem, slopeProblem})
        if (auto problem = check(data)) return problem;
    return std::nullopt;
}
