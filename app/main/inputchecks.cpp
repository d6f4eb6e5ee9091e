#include "app/main/inputchecks.h"

namespace {

constexpr int kSand = 4;
constexpr int kSilt = 5;

// Angles as the user typed them: the shortest form with up to 15 digits.
QString angleText(double degrees) { return QString::number(degrees, 'g', 15); }

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

std::optional<QString> slopeProblem(const TInputCheckData& data) {
    const double beta = data.backfillSlope;
    if (beta <= 0.0) return std::nullopt;
    for (int i = 0; i < data.soilLayers.size(); ++i) {
        const TLayerFriction& layer = data.soilLayers[i];
        if (layer.frictionAngle >= beta) continue;
        const QString b = angleText(beta), phi = angleText(layer.frictionAngle);
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
    if (auto problem = stiffnessProblem(data)) return problem;
    return slopeProblem(data);
}
