#include "app/main/menuenabling.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QObject>

#include "qtprint.h"

namespace {

struct TActionsFixture {
    QObject owner;
    TMainActions actions = createMainActions(&owner);
};

TEnablingState withResults(std::initializer_list<TGraph> graphsWithCurves) {
    TEnablingState state;
    state.resultsLoaded = true;
    state.plotDataExists = true;
    for (TGraph g : graphsWithCurves) state.graphHasCurves[static_cast<int>(g)] = true;
    return state;
}

}  // namespace

TEST(MenuEnabling, GraphCommandsNeedResultsPlotDataAndCurves) {
    TActionsFixture f;
    const TMainActions& a = f.actions;

    applyEnabling(a, withResults({TGraph::Deflection, TGraph::Moment, TGraph::Shear}));
    EXPECT_TRUE(graphAction(a, TGraph::Deflection)->isEnabled());
    EXPECT_FALSE(graphAction(a, TGraph::PyCurves)->isEnabled());
    EXPECT_TRUE(a.deflectionMomentShear->isEnabled());
    EXPECT_TRUE(a.exportPlots->isEnabled());
    EXPECT_TRUE(a.viewWallGeometry->isEnabled());

    applyEnabling(a, withResults({TGraph::Deflection, TGraph::Moment}));
    EXPECT_FALSE(a.deflectionMomentShear->isEnabled());

    TEnablingState deleted = withResults({TGraph::Deflection});
    deleted.plotDataExists = false;
    applyEnabling(a, deleted);
    EXPECT_FALSE(graphAction(a, TGraph::Deflection)->isEnabled());
    EXPECT_FALSE(a.viewWallGeometry->isEnabled());
}

TEST(MenuEnabling, ResultsSummaryNeedsLoadedResultsAndTheirReport) {
    TActionsFixture f;
    const struct {
        bool resultsLoaded, plotDataExists, reportExists, enabled;
    } cases[] = {
        {true, true, true, true},
        {false, true, true, false},
        {true, false, true, false},
        {true, true, false, false},
    };
    for (const auto& c : cases) {
        TEnablingState state;
        state.resultsLoaded = c.resultsLoaded;
        state.plotDataExists = c.plotDataExists;
        state.reportExists = c.reportExists;
        applyEnabling(f.actions, state);
        EXPECT_EQ(f.actions.resultsSummary->isEnabled(), c.enabled)
            << c.resultsLoaded << c.plotDataExists << c.reportExists;
    }
}

TEST(MenuEnabling, EditEntriesFollowTheirFiles) {
    TActionsFixture f;
    const TMainActions& a = f.actions;
    TEnablingState state;
    state.inputFileExists = true;
    state.reportExists = true;
    applyEnabling(a, state);
    EXPECT_TRUE(a.editInput->isEnabled());
    EXPECT_FALSE(a.editRunNotes->isEnabled());
    EXPECT_TRUE(a.editOutput->isEnabled());
    EXPECT_TRUE(a.viewOutputButton->isEnabled());
}

TEST(MenuEnabling, SoilLayersFollowGeneratedCurvesOrGeneratedPressure) {
    TActionsFixture f;
    const TMainActions& a = f.actions;
    TEnablingState state;  // no p-y curves generated
    applyEnabling(a, state);
    EXPECT_FALSE(a.soilLayers->isEnabled());
    EXPECT_FALSE(a.wallConfiguration->isEnabled());
    state.generatedEarthPressure = true;
    applyEnabling(a, state);
    EXPECT_TRUE(a.soilLayers->isEnabled());
    EXPECT_TRUE(a.wallConfiguration->isEnabled());
}

TEST(MenuEnabling, StageEntriesFollowTheCountAndTheCurrentStage) {
    TActionsFixture f;
    const TMainActions& a = f.actions;
    TEnablingState state;
    state.stageCount = 4;
    state.currentStage = 3;
    applyEnabling(a, state);
    for (int j = 1; j <= kMaxStages; ++j) {
        EXPECT_EQ(a.stages[j - 1]->isEnabled(), j <= 4) << j;
        EXPECT_EQ(a.stages[j - 1]->isChecked(), j == 3) << j;
    }
    EXPECT_TRUE(a.copyPreviousStage->isEnabled());
    state.currentStage = 1;
    applyEnabling(a, state);
    EXPECT_FALSE(a.copyPreviousStage->isEnabled());
}
