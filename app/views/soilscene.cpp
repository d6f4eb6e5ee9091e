#include "app/views/soilscene.h"

#include <algorithm>

#include "app/project/filetables.h"
#include "app/project/programdata.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"
#include "app/views/displayswitches.h"
#include "app/views/scenebox.h"
#include "app/views/scenecolours.h"
#include "app/views/scenedimensions.h"

namespace {
constexpr int kWaterSymbolGrid = 5;  // symbols per row and per column
}

TSceneList TSoilScene::build(const TProgramData& project, const TSceneDimensions& dims,
                             const TDisplaySwitches& switches) {
    TSoilScene scene(dims);
    if (switches.soilLayers && project.options.generatePyCurves) scene.addLayers(project);
    if (switches.waterLevel) {
        const double factor = dims.smallLengthFactor;
        scene.addWaterTable(project.configuration.waterDepthBackfill * factor, -1.0);
        scene.addWaterTable(project.configuration.waterDepthExcavation * factor, 1.0);
    }
    return std::move(scene.m_list);
}

void TSoilScene::addLayers(const TProgramData& project) {
    const TGridTable& layers = project.tables().table(TableName::NewSoil);
    const double face = m_dims.wallThickness / 2;
    const double D = m_dims.soilExtent;
    const double halfRun = m_dims.panelWidth * TSceneDimensions::kPanels / 2;
    double top = 0.0;
    for (int k = 0; k < layers.rowCount(); ++k) {
        const double bottom = layers.real(SoilLayerColumn::kDepth, k);
        const TColour edges = SceneColour::layer(k);
        const TColour fill = edges.withOpacity(SceneColour::kLayerFillOpacity);
        m_list.boxes.push_back(
            SceneBox::aligned({-D, -halfRun, -bottom}, {-face, halfRun, -top}, fill, edges));
        // The excavation side holds soil only below the free height.
        const double excavationTop = std::max(top, m_dims.freeHeight);
        if (bottom > excavationTop)
            m_list.boxes.push_back(SceneBox::aligned({face, -halfRun, -bottom},
                                                     {D, halfRun, -excavationTop}, fill, edges));
        top = bottom;
    }
}

void TSoilScene::addWaterTable(double depth, double side) {
    const double face = side * m_dims.wallThickness / 2;
    const double far = side * m_dims.soilExtent;
    const double halfRun = m_dims.panelWidth * TSceneDimensions::kPanels / 2;
    const double z = -depth;
    m_list.quads.push_back({{TVec3{face, -halfRun, z}, TVec3{far, -halfRun, z},
                             TVec3{far, halfRun, z}, TVec3{face, halfRun, z}},
                            SceneColour::kWaterPlaneFill,
                            SceneColour::kBlue});
    const TColour symbolFill =
        side < 0 ? SceneColour::kWaterSymbolBackfill : SceneColour::kWaterSymbolExcavation;
    for (int i = 0; i < kWaterSymbolGrid; ++i) {
        for (int j = 0; j < kWaterSymbolGrid; ++j) {
            const double x = face + (far - face) * (i + 0.5) / kWaterSymbolGrid;
            const double y = -halfRun + 2 * halfRun * (j + 0.5) / kWaterSymbolGrid;
            m_list.pyramids.push_back(
                {{x, y, z}, 4 * m_dims.increment, symbolFill, SceneColour::kBlue});
        }
    }
}
