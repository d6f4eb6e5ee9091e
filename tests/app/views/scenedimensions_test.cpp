#include "app/views/scenedimensions.h"

#include <gtest/gtest.h>

#include "app/tables/formdescription.h"
#include "viewsfixture.h"

TEST(SceneDimensions, EnglishExampleGivesPanelSizesInFeet) {
    TViewsProject f;
    TViewsProject::englishExample(f.project);
    const TSceneDimensions d = TSceneDimensions::of(f.project);
    EXPECT_DOUBLE_EQ(d.wallLength, 20.0);
    EXPECT_DOUBLE_EQ(d.panelWidth, 2.0);
    EXPECT_DOUBLE_EQ(d.wallThickness, 0.1);
    EXPECT_DOUBLE_EQ(d.freeHeight, 10.0);
    // Twenty panels, ten on each side of the centre line, span 40 ft.
    EXPECT_DOUBLE_EQ(d.panelCentre(9) + d.panelWidth / 2, 20.0);
    EXPECT_DOUBLE_EQ(d.panelCentre(19) - d.panelWidth / 2, -20.0);
    EXPECT_DOUBLE_EQ(d.soilExtent, 25.0);     // 12.5 w
    EXPECT_DOUBLE_EQ(d.largestExtent, 40.0);  // 2 L
    EXPECT_DOUBLE_EQ(d.fitScale(850, 450), std::min(400.0 / 40.0, 800.0 / 50.0));
}

TEST(SceneDimensions, MissingWidthsFallBackToTheWallLength) {
    struct Case {
        double wa;
        double wp;
        double panel;
        double thickness;
    };
    for (const Case& c : {Case{0, 12, 2.0, 0.1}, Case{24, 0, 2.0, 0.2}, Case{0, 0, 2.0, 0.2}}) {
        TViewsProject f;
        TViewsProject::englishExample(f.project);
        f.project.configuration.activeWidth = c.wa;
        f.project.configuration.resistanceWidth = c.wp;
        const TSceneDimensions d = TSceneDimensions::of(f.project);
        EXPECT_DOUBLE_EQ(d.panelWidth, c.panel) << c.wa << " " << c.wp;         // L/10 without Wa
        EXPECT_DOUBLE_EQ(d.wallThickness, c.thickness) << c.wa << " " << c.wp;  // L/100 without Wp
    }
}

TEST(SceneDimensions, DeepLayersAndFarSurchargesWidenTheScene) {
    TViewsProject f;
    TViewsProject::englishExample(f.project);
    f.setLayers({{4, 15.0}, {1, 35.0}});  // the last bottom, in feet, lies below the tip
    f.project.options.additionalSurcharge = true;
    // A strip 120 in wide centred 360 in behind the wall reaches 35 ft.
    f.setRows(TableName::SurchargeTable, {{3, 100.0, 360.0, 120.0}});
    const TSceneDimensions d = TSceneDimensions::of(f.project);
    EXPECT_DOUBLE_EQ(d.deepest, 35.0);
    EXPECT_DOUBLE_EQ(d.soilExtent, 0.9 * 35.0);
    EXPECT_DOUBLE_EQ(d.largestExtent, 70.0);

    f.project.SetUnits(kSIUnits);  // distances in millimetres, lengths in metres
    const TSceneDimensions si = TSceneDimensions::of(f.project);
    EXPECT_NEAR(si.wallLength, 20 * 0.3048, 1e-6);
    EXPECT_NEAR(si.soilExtent, std::max(12.5 * 0.6096, 0.9 * 35 * 0.3048), 1e-6);
}
