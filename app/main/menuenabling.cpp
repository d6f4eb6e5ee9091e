#include "app/main/menuenabling.h"

#include <QAction>

namespace {

void enableDataEntries(const TMainActions& a, const TEnablingState& s) {
    const std::pair<QAction*, TSwitch> byOption[] = {
        {a.restraints, TSwitch::Restraints},
        {a.concentratedLoads, TSwitch::ConcentratedLoads},
        {a.lateralSprings, TSwitch::LateralSprings},
        {a.tieback, TSwitch::Tieback},
        {a.externalPyCurves, TSwitch::ExternalPyCurves},
        {a.momentEICurves, TSwitch::MomentEICurves},
        {a.pyModification, TSwitch::PyModification},
        {a.surcharge, TSwitch::AdditionalSurcharge},
    };
    for (const auto& [action, option] : byOption) action->setEnabled(s.switchOn(option));

    // Soil layers feed the generated p-y curves and the generated earth pressure.
    const bool soilUsed = s.switchOn(TSwitch::GeneratePyCurves) || s.generatedEarthPressure;
    for (QAction* action :
         {a.soilLayers, a.soilLayersShortTerm, a.soilLayersLongTerm, a.wallConfiguration})
        action->setEnabled(soilUsed);
    a.soilLayersButton->setEnabled(soilUsed && !s.shortAndLongTerm);

    const bool userPressure = s.earthPressure == 1;
    for (QAction* action :
         {a.distributedLoad, a.distributedLoadShortTerm, a.distributedLoadLongTerm})
        action->setEnabled(userPressure);
}

void checkOptions(const TMainActions& a, const TEnablingState& s) {
    for (int i = 0; i < kSwitchCount; ++i) a.switches[i]->setChecked(s.switches[i]);
    if (s.unitSystem >= 1 && s.unitSystem <= 3) a.units[s.unitSystem - 1]->setChecked(true);
    if (s.earthPressure >= 1 && s.earthPressure <= 3)
        a.earthPressure[s.earthPressure - 1]->setChecked(true);
    const bool staged = s.stageCount > 1;
    a.shortAndLongTerm->setChecked(s.shortAndLongTerm);
    a.shortAndLongTerm->setEnabled(!staged);
    a.stagedConstruction->setChecked(staged);
    a.stagedConstruction->setEnabled(!s.shortAndLongTerm);
    a.stagedConstructionButton->setEnabled(!s.shortAndLongTerm);
}

void enableStages(const TMainActions& a, const TEnablingState& s) {
    const bool staged = s.stageCount > 1;
    for (int j = 1; j <= kMaxStages; ++j) {
        QAction* stage = a.stages[j - 1];
        stage->setVisible(staged);
        stage->setEnabled(staged && j <= s.stageCount);
        stage->setChecked(staged && j == s.currentStage);
    }
    a.copyPreviousStage->setEnabled(staged && s.currentStage > 1);
}

void enableResults(const TMainActions& a, const TEnablingState& s) {
    a.editInput->setEnabled(s.inputFileExists);
    a.editRunNotes->setEnabled(s.runNotesExist);
    a.editOutput->setEnabled(s.reportExists);
    a.viewOutputButton->setEnabled(s.reportExists);

    const bool results = s.resultsLoaded && s.plotDataExists;
    a.viewWallGeometry->setEnabled(results);
    a.view3D->setEnabled(results);
    a.exportPlots->setEnabled(results);
    a.resultsSummary->setEnabled(results && s.reportExists);
    for (int g = 0; g < kGraphCount; ++g) a.graphs[g]->setEnabled(results && s.graphHasCurves[g]);
    a.deflectionMomentShear->setEnabled(graphAction(a, TGraph::Deflection)->isEnabled() &&
                                        graphAction(a, TGraph::Moment)->isEnabled() &&
                                        graphAction(a, TGraph::Shear)->isEnabled());
}

}  // namespace

void applyEnabling(const TMainActions& actions, const TEnablingState& state) {
    enableDataEntries(actions, state);
    checkOptions(actions, state);
    enableStages(actions, state);
    enableResults(actions, state);
}
