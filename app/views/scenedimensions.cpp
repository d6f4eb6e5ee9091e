#include "app/views/scenedimensions.h"

#include <algorithm>

#include "app/project/programdata.h"
#include "app/project/unitswitch.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"
#include "app/views/surchargerow.h"

TSceneDimensions TSceneDimensions::of(const TProgramData& project) {
    TSceneDimensions d;
    const bool english = project.units() == kEnglishUnits;
    d.smallLengthFactor = english ? 1.0 / 12.0 : 1.0;
    d.tinyLengthFactor = english ? 1.0 / 12.0 : project.units() == kSIUnits ? 1.0 / 1000.0 : 1.0;

    d.increments = project.wall.increments;
    d.increment = project.wall.incrementLength * d.smallLengthFactor;
    d.wallLength = d.increments * d.increment;
    d.freeHeight = project.wall.freeHeight * d.smallLengthFactor;
    const double wa = project.configuration.activeWidth * d.smallLengthFactor;
    const double wp = project.configuration.resistanceWidth * d.smallLengthFactor;
    d.panelWidth = wa > 0.0 ? wa : d.wallLength / 10.0;
    d.wallThickness = wp > 0.0 ? wp / 10.0 : d.wallLength / 100.0;

    double reach = 0.0;
    for (const TSurchargeRow& row : TSurchargeRow::rowsOf(project, d.tinyLengthFactor))
        reach = std::max(reach, row.reach());
    d.soilExtent = std::max(12.5 * d.panelWidth, 0.9 * reach);

    d.deepest = d.wallLength;
    const TGridTable& layers = project.tables().table(TableName::NewSoil);
    if (layers.rowCount() > 0)
        d.deepest = std::max(d.deepest, layers.real(1, layers.rowCount() - 1));
    d.largestExtent = std::max({2.0 * d.deepest, d.soilExtent, 5.0 * d.panelWidth});
    return d;
}

double TSceneDimensions::fitScale(int clientWidth, int clientHeight) const {
    if (largestExtent <= 0.0 || soilExtent <= 0.0) return 1.0;
    return std::min((clientHeight - 50) / largestExtent, (clientWidth - 50) / (2.0 * soilExtent));
}

double TSceneDimensions::panelCentre(int panel) const {
    const int half = kPanels / 2;
    const int i = panel < half ? panel : panel - half;
    const double side = panel < half ? 1.0 : -1.0;
    return side * panelWidth * (i + 0.5);
}
