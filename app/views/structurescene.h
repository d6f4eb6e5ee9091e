#pragma once

#include <vector>

#include "app/views/scenetypes.h"

class TProgramData;
struct TDisplaySwitches;
struct TSceneDimensions;

// The contents of the structure display list: the wall (straight or deformed), the lateral
// springs, the concentrated loads, the specified deflections and slopes, the tiebacks and the
// surcharge loads on the backfill.
class TStructureScene {
  public:
    // `deflection` holds the deflection of every node (the first deflection curve), in the
    // units of the deflection graph; it is used only when the deformed shape is shown.
    [[nodiscard]] static TSceneList build(const TProgramData& project, const TSceneDimensions& dims,
                                          const TDisplaySwitches& switches,
                                          const std::vector<double>& deflection);

  private:
    TStructureScene(const TProgramData& project, const TSceneDimensions& dims)
        : m_project(project), m_dims(dims) {}

    void addWall();
    void addDeformedWall(const std::vector<double>& deflection, double factor, bool undeformed);
    void addSprings();
    void addConcentratedLoads();
    void addRestraints();
    void addTiebacks();
    void addSurcharges();

    // A symbol at every panel for a node of the wall.
    void addAtPanels(TSymbolKind kind, int node, TVec3 direction, double size, int colour,
                     double value);
    // An arrow that pushes on `point` along `direction`, or pulls away from it for a negative
    // value.
    void addArrow(TVec3 point, TVec3 direction, double size, int colour, double value);
    [[nodiscard]] double nodeZ(int node) const;
    [[nodiscard]] double halfRun() const;

    const TProgramData& m_project;
    const TSceneDimensions& m_dims;
    TSceneList m_list;
};
