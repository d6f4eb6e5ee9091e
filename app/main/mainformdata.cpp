// The input windows and table windows the main window opens: the Data menu,
// the input tool buttons and the text-editor option, and the refresh of the
// open input windows after a unit switch.
#include <QAction>
#include <vector>

#include "app/dialogs/datawindows.h"
#include "app/main/mainform.h"
#include "app/tables/formdescription.h"

void TMainForm::connectDataActions() {
    m_dataWindows = std::make_unique<TDataWindows>(
        TDataContext{
            .project = [this]() -> TProgramData& { return m_session.project(); },
            .prompts = m_prompts.get(),
            .editorPath = [this] { return m_settings.editorPath; },
            .setEditorPath = [this](const QString& path) { m_settings.editorPath = path; },
        },
        m_mdiArea);

    const TMainActions& a = m_actions;
    const auto window = [this](QAction* action, TDataWindowKind kind) {
        connect(action, &QAction::triggered, this, [this, kind] { m_dataWindows->open(kind); });
    };
    window(a.title, TDataWindowKind::Title);
    window(a.wallProperties, TDataWindowKind::WallProperties);
    window(a.wallConfiguration, TDataWindowKind::WallConfiguration);
    window(a.surcharge, TDataWindowKind::Surcharge);
    window(a.concentratedLoads, TDataWindowKind::ConcentratedLoads);
    window(a.lateralSprings, TDataWindowKind::Springs);
    window(a.tieback, TDataWindowKind::Tieback);
    window(a.textEditorOption, TDataWindowKind::TextEditorOption);

    const auto table = [this](QAction* action, QStringView name) {
        connect(action, &QAction::triggered, this,
                [this, name] { m_dataWindows->openTable(name); });
    };
    for (QAction* soil : {a.soilLayers, a.soilLayersShortTerm, a.soilLayersButton})
        table(soil, TableName::NewSoil);
    table(a.soilLayersLongTerm, TableName::LongSoil);
    for (QAction* load : {a.distributedLoad, a.distributedLoadShortTerm})
        table(load, TableName::DistLoad);
    table(a.distributedLoadLongTerm, TableName::LongDist);
    table(a.restraints, TableName::SoilLayer);
    table(a.pyModification, TableName::PYMod);
    table(a.externalPyCurves, TableName::PYCurves2);
    table(a.momentEICurves, TableName::MEICurves2);

    // Connected after the commands themselves: the open input windows show the
    // converted values after a unit switch, and the values of the project or
    // stage that replaced the one they showed.
    std::vector<QAction*> replacing{a.fileNew, a.fileOpen, a.copyPreviousStage};
    replacing.insert(replacing.end(), a.units.begin(), a.units.end());
    replacing.insert(replacing.end(), a.recentFiles.begin(), a.recentFiles.end());
    replacing.insert(replacing.end(), a.stages.begin(), a.stages.end());
    for (QAction* action : replacing)
        connect(action, &QAction::triggered, this, [this] { m_dataWindows->refresh(); });
}
