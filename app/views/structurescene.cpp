#include "app/views/structurescene.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/project/programdata.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"
#include "app/views/deformedwall.h"
#include "app/views/displayswitches.h"
#include "app/views/noderanges.h"
#include "app/views/scenebox.h"
#include "app/views/scenecolours.h"
#include "app/views/scenedimensions.h"
#include "app/views/surchargerow.h"

namespace {

constexpr TVec3 kAcross{1.0, 0.0, 0.0};  // toward the excavation
constexpr TVec3 kDown{0.0, 0.0, -1.0};
constexpr TVec3 kAlong{0.0, 1.0, 0.0};
constexpr int kBlueSymbol = 1;
constexpr int kGreenSymbol = 2;
constexpr int kRedSymbol = 3;

namespace RestraintColumn {
constexpr int kCase = 0;  // 1 specified deflection, 2 specified slope
constexpr int kNode = 1;
constexpr int kDeflection = 2;
constexpr int kSlope = 3;
}  // namespace RestraintColumn

namespace LoadColumn {
constexpr int kLateral = 3;
constexpr int kMoment = 4;
constexpr int kAxial = 5;
}  // namespace LoadColumn

namespace TiebackColumn {
constexpr int kDepth = 0;
constexpr int kArea = 1;
constexpr int kUnbonded = 3;
constexpr int kAngle = 4;
constexpr int kSpacing = 5;
}  // namespace TiebackColumn

}  // namespace

TSceneList TStructureScene::build(const TProgramData& project, const TSceneDimensions& dims,
                                  const TDisplaySwitches& switches,
                                  const std::vector<double>& deflection) {
    TStructureScene scene(project, dims);
    const TOptionSwitches& options = project.options;
    if (switches.wall) {
        if (switches.deformedShape)
            scene.addDeformedWall(deflection, switches.deformationFactor, switches.undeformedModel);
        else
            scene.addWall();
    }
    if (switches.lateralSprings && options.lateralSprings) scene.addSprings();
    if (switches.concentratedLoads && options.concentratedLoads) scene.addConcentratedLoads();
    if (switches.boundaryConditions && options.restraints) scene.addRestraints();
    if (switches.tieBacks && options.tieback) scene.addTiebacks();
    if (switches.additionalSurcharge) scene.addSurcharges();
    return std::move(scene.m_list);
}

double TStructureScene::nodeZ(int node) const { return -node * m_dims.increment; }

double TStructureScene::halfRun() const {
    return m_dims.panelWidth * TSceneDimensions::kPanels / 2;
}

void TStructureScene::addWall() {
    const double w = m_dims.panelWidth;
    const double half = m_dims.wallThickness / 2;
    const double cap = m_dims.wallLength / 1000;  // lifts the cap clear of the panel's top face
    for (int p = 0; p < TSceneDimensions::kPanels; ++p) {
        const double y = m_dims.panelCentre(p);
        m_list.boxes.push_back(SceneBox::aligned({-half, y - w / 2, -m_dims.wallLength},
                                                 {half, y + w / 2, 0.0}, SceneColour::kPanelFill,
                                                 SceneColour::kPanelEdges));
        m_list.quads.push_back({{TVec3{-half, y - w / 2, cap}, TVec3{half, y - w / 2, cap},
                                 TVec3{half, y + w / 2, cap}, TVec3{-half, y + w / 2, cap}},
                                SceneColour::kPanelTopFill,
                                SceneColour::kOrangeEdges});
    }
}

void TStructureScene::addDeformedWall(const std::vector<double>& deflection, double factor,
                                      bool undeformed) {
    const auto sections = TDeformedWall::sections(m_dims, deflection, factor);
    if (sections.empty()) {  // no deflection for every node: the straight wall
        addWall();
        return;
    }
    const double t = m_dims.wallThickness;
    for (int p = 0; p < TSceneDimensions::kPanels; ++p) {
        const double y = m_dims.panelCentre(p);
        for (const TSceneBox& brick :
             TDeformedWall::post(sections, y, t, SceneColour::kPanelFill, SceneColour::kPanelEdges))
            m_list.boxes.push_back(brick);
        if (undeformed) {
            TSceneBox post =
                SceneBox::aligned({-t / 2, y - t / 2, -m_dims.wallLength}, {t / 2, y + t / 2, 0.0},
                                  SceneColour::kPanelFill, SceneColour::kPanelEdges);
            post.outlineOnly = true;
            m_list.boxes.push_back(post);
        }
    }
}

void TStructureScene::addSprings() {
    const TGridTable& springs = m_project.tables().table(TableName::SoilStrength);
    const double t = m_dims.wallThickness;
    const double reach = m_dims.soilExtent / 2;
    const double height = m_dims.increment / 2;
    for (const TNodeRange& range : TNodeRange::rangesOf(springs)) {
        for (int node = range.first; node <= range.last; ++node) {
            const double z = nodeZ(node);
            for (int p = 0; p < TSceneDimensions::kPanels; ++p) {
                const double y = m_dims.panelCentre(p);
                m_list.boxes.push_back(
                    SceneBox::aligned({-t / 2 - reach, y - t / 2, z - height / 2},
                                      {-t / 2, y + t / 2, z + height / 2}, SceneColour::kSpringFill,
                                      SceneColour::kOrangeEdges));
            }
        }
    }
}

void TStructureScene::addConcentratedLoads() {
    const TGridTable& loads = m_project.tables().table(TableName::BoundCond);
    const double w = m_dims.panelWidth;
    for (const TNodeRange& range : TNodeRange::rangesOf(loads)) {
        const double lateral = loads.real(LoadColumn::kLateral, range.row);
        const double moment = loads.real(LoadColumn::kMoment, range.row);
        const double axial = loads.real(LoadColumn::kAxial, range.row);
        for (int node = range.first; node <= range.last; ++node) {
            if (lateral != 0.0)
                addAtPanels(TSymbolKind::Arrow, node, kAcross, 4 * w / 3, kRedSymbol, lateral);
            if (moment != 0.0)
                addAtPanels(TSymbolKind::Moment, node, kAlong, 4 * w, kGreenSymbol, moment);
            if (axial != 0.0)
                addAtPanels(TSymbolKind::Arrow, node, kDown, 4 * w / 3, kBlueSymbol, axial);
        }
    }
}

void TStructureScene::addRestraints() {
    using namespace RestraintColumn;
    const TGridTable& restraints = m_project.tables().table(TableName::SoilLayer);
    const double w = m_dims.panelWidth;
    for (int r = 0; r < restraints.rowCount(); ++r) {
        const int node = restraints.integer(kNode, r);
        if (restraints.integer(kCase, r) == 1)
            addAtPanels(TSymbolKind::Arrow, node, kAcross, 2 * w / 3, kRedSymbol,
                        restraints.real(kDeflection, r));
        else
            addAtPanels(TSymbolKind::Moment, node, kAlong, 2 * w, kGreenSymbol,
                        restraints.real(kSlope, r));
    }
}

void TStructureScene::addTiebacks() {
    using namespace TiebackColumn;
    const TGridTable& tiebacks = m_project.tables().table(TableName::TiebackTable1);
    const double areaFactor = m_dims.smallLengthFactor;  // the side of the rod's section
    for (int r = 0; r < tiebacks.rowCount(); ++r) {
        const double spacing = tiebacks.real(kSpacing, r);
        if (spacing <= 0.0) continue;  // a row without a spacing has no anchor to place
        const double side = std::sqrt(std::max(tiebacks.real(kArea, r), 0.0)) * areaFactor;
        const double length = tiebacks.real(kUnbonded, r);
        const double angle = tiebacks.real(kAngle, r) * std::numbers::pi / 180.0;
        const TVec3 along{-std::cos(angle), 0.0, -std::sin(angle)};
        const double z = -tiebacks.real(kDepth, r);
        const int anchors = static_cast<int>(std::lround(10 * m_dims.panelWidth / spacing));
        for (int k = 0; k < anchors; ++k) {
            for (double sign : {-1.0, 1.0}) {
                const TVec3 head{-m_dims.wallThickness / 2, sign * spacing * (k + 0.5), z};
                m_list.boxes.push_back(SceneBox::rod(head, along, length, side,
                                                     SceneColour::kTiebackFill,
                                                     SceneColour::kOrangeEdges));
                m_list.boxes.push_back(SceneBox::rod(head + along * length, along, length / 8,
                                                     4 * side, SceneColour::kTiebackFill,
                                                     SceneColour::kOrangeEdges));
            }
        }
    }
}

void TStructureScene::addSurcharges() {
    const double w = m_dims.panelWidth;
    const double run = halfRun();
    for (const TSurchargeRow& row : TSurchargeRow::rowsOf(m_project, m_dims.tinyLengthFactor)) {
        const double x = -row.distance;
        switch (row.type) {
            case TSurchargeRow::Point:
                for (int p = 0; p < TSceneDimensions::kPanels; ++p)
                    addArrow({x, m_dims.panelCentre(p), 0.0}, kDown, 4 * w / 3, kRedSymbol,
                             row.magnitude);
                break;
            case TSurchargeRow::Line: {
                const int half = TSceneDimensions::kPanels / 2;
                for (int k = -half; k <= half; ++k)
                    addArrow({x, k * w, 0.0}, kDown, w, kGreenSymbol, row.magnitude);
                const TColour green = symbolColour(kGreenSymbol);
                for (double z : {0.0, w})
                    m_list.lines.push_back({{x, -run, z}, {x, run, z}, green});
                break;
            }
            case TSurchargeRow::Strip: {
                const double slab = w / 10;
                const double near = x + row.width / 2;
                const double far = x - row.width / 2;
                m_list.boxes.push_back(SceneBox::aligned({far, -run, 0.0}, {near, run, slab},
                                                         SceneColour::kStripSlabFill,
                                                         SceneColour::kBlue));
                for (double xs : {near, x, far})
                    for (int p = 0; p < TSceneDimensions::kPanels; ++p)
                        addArrow({xs, m_dims.panelCentre(p), slab}, kDown, 2 * w / 3, kBlueSymbol,
                                 row.magnitude);
                break;
            }
            default:
                break;
        }
    }
}

void TStructureScene::addAtPanels(TSymbolKind kind, int node, TVec3 direction, double size,
                                  int colour, double value) {
    // Lateral symbols act on the backfill face, axial ones and moments on the wall's axis.
    const double x = direction == kAcross ? -m_dims.wallThickness / 2 : 0.0;
    for (int p = 0; p < TSceneDimensions::kPanels; ++p) {
        const TVec3 point{x, m_dims.panelCentre(p), nodeZ(node)};
        if (kind == TSymbolKind::Arrow)
            addArrow(point, direction, size, colour, value);
        else
            m_list.symbols.push_back(
                {TSymbolKind::Moment, point, direction * (value < 0 ? -1.0 : 1.0), size, colour});
    }
}

void TStructureScene::addArrow(TVec3 point, TVec3 direction, double size, int colour,
                               double value) {
    if (value >= 0.0)
        m_list.symbols.push_back({TSymbolKind::Arrow, point, direction, size, colour});
    else
        m_list.symbols.push_back(
            {TSymbolKind::Arrow, point - direction * size, direction * -1.0, size, colour});
}
