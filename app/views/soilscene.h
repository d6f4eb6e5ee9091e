#pragma once

#include "app/views/scenetypes.h"

class TProgramData;
struct TDisplaySwitches;
struct TSceneDimensions;

// The contents of the soil display list: translucent soil layers on both sides of the wall (the
// excavation side only below the free height) and the water tables with their symbols.
class TSoilScene {
  public:
    [[nodiscard]] static TSceneList build(const TProgramData& project, const TSceneDimensions& dims,
                                          const TDisplaySwitches& switches);

  private:
    TSoilScene(const TSceneDimensions& dims) : m_dims(dims) {}
    void addLayers(const TProgramData& project);
    void addWaterTable(double depth, double side);

    const TSceneDimensions& m_dims;
    TSceneList m_list;
};
