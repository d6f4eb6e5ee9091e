#include "app/studies/layer_variant.h"

#include <algorithm>

#include "app/studies/opened_copy.h"
#include "app/studies/table_lengths.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"

namespace keldra::studies {

namespace {

// The stations of a layer lie at its quarter points.
constexpr double kStationsPerLayerSpan = 4.0;

CurveDepths CurveDepthsOf(const TProgramData& stage, double factor) {
    const TWallProperties& wall = stage.wall;
    return {.top = wall.freeHeight / factor,
            .bottom = (wall.increments + 2) * wall.incrementLength / factor};
}

void FindWidestNearTop(const TGridTable& layers, const TProgramData& stage, ProblemLayers& facts) {
    const double factor = EngineFactor(layers, kLayerBottomColumn);
    const CurveDepths depths = CurveDepthsOf(stage, factor);
    const double width = stage.configuration.resistanceWidth;
    if (width <= 0.0) return;
    for (int row = 0; row < layers.rowCount(); ++row) {
        const double thickness = CurveThickness(layers, row, depths) * factor;
        const double start = (std::max(LayerTop(layers, row), depths.top) - depths.top) * factor;
        if (thickness <= 0.0 || start > kNearTopWidths * width) continue;
        const double spacing = thickness / kStationsPerLayerSpan / width;
        if (spacing <= facts.widest_spacing) continue;
        facts.widest_layer = row + 1;
        facts.widest_soil = SoilName(layers, row);
        facts.widest_spacing = spacing;
    }
}

ProblemLayers Split(TGridTable& layers, const TProgramData& stage, int parts) {
    ProblemLayers facts{.user_curves = stage.options.externalPyCurves, .layers = layers.rowCount()};
    const CurveDepths depths = CurveDepthsOf(stage, EngineFactor(layers, kLayerBottomColumn));
    FindWidestNearTop(layers, stage, facts);
    facts.most_parts = MostParts(layers, depths);
    facts.split = SplitLayers(layers, parts, depths);
    facts.generated = stage.options.generatePyCurves && facts.split.splittable > 0;
    return facts;
}

std::vector<ProblemLayers> SplitEveryStage(OpenedCopy& copy, int parts) {
    std::vector<ProblemLayers> problems;
    copy.forEachStage([&](TProgramData& stage) {
        TProjectTables& tables = stage.tables();
        problems.push_back(Split(tables.table(TableName::NewSoil), stage, parts));
        if (stage.options.shortAndLongTerm)
            problems.push_back(Split(tables.table(TableName::LongSoil), stage, parts));
        stage.SetModified(true);
    });
    return problems;
}

}  // namespace

std::vector<ProblemLayers> WriteLayerVariant(const QString& source, const QString& target,
                                             int parts) {
    OpenedCopy copy(source, target);
    std::vector<ProblemLayers> problems = SplitEveryStage(copy, parts);
    copy.save();
    return problems;
}

}  // namespace keldra::studies
