#include "app/main/mainactions.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QKeySequence>

// The icons are linked in from a static library, whose resource initialiser
// the linker would otherwise leave out.
static void loadIconResources() { Q_INIT_RESOURCE(icons); }

namespace {

class TActionFactory {
  public:
    explicit TActionFactory(QObject* owner) : m_owner(owner) {}

    QAction* operator()(const QString& text, const QString& hint = {}, const QString& icon = {},
                        const QKeySequence& shortcut = {}) const {
        auto* action = new QAction(text, m_owner);
        if (!hint.isEmpty()) {
            action->setToolTip(hint);
            action->setStatusTip(hint);
        }
        if (!icon.isEmpty()) action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        return action;
    }

    QAction* checkable(const QString& text) const {
        QAction* action = (*this)(text);
        action->setCheckable(true);
        return action;
    }

  private:
    QObject* m_owner;
};

template <std::size_t N>
QActionGroup* exclusiveGroup(QObject* owner, const std::array<QAction*, N>& actions) {
    auto* group = new QActionGroup(owner);
    group->setExclusive(true);
    for (QAction* a : actions) {
        a->setCheckable(true);
        group->addAction(a);
    }
    return group;
}

void createFileActions(const TActionFactory& make, TMainActions& a) {
    a.fileNew = make("&New", "New Data File", "new", QKeySequence(Qt::CTRL | Qt::Key_N));
    a.fileOpen = make("&Open...", "Open Data File", "open", QKeySequence(Qt::CTRL | Qt::Key_O));
    a.fileSave = make("&Save", "Save Data File", "save", QKeySequence(Qt::CTRL | Qt::Key_S));
    a.fileSaveAs = make("Save &As...");
    a.exportReport = make("Export Calculation Report (PDF)...");
    for (QAction*& recent : a.recentFiles) {
        recent = make({});
        recent->setVisible(false);
    }
    a.fileExit = make("E&xit", {}, {}, QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void createDataActions(const TActionFactory& make, TMainActions& a) {
    a.title = make("&Title", "Title", "title");
    a.wallProperties = make("Wall &Properties", "Wall Properties", "wallproperties");
    a.wallConfiguration = make("&Wall Configuration", "Wall Configuration", "wallconfiguration");
    a.soilLayers = make("&Soil Layer Data");
    a.soilLayersShortTerm = make("Short-Term");
    a.soilLayersLongTerm = make("Long-Term");
    a.distributedLoad = make("&Distributed Active Earth Pressure");
    a.distributedLoadShortTerm = make("Short-Term");
    a.distributedLoadLongTerm = make("Long-Term");
    a.surcharge = make("&Additional Surcharge Loads");
    a.concentratedLoads = make("&Concentrated Loads on the Wall");
    a.tieback = make("Tieback (Ground Anchor) Data");
    a.restraints = make("&Boundary Condition on Deflection or Slope");
    a.pyModification = make("Modification &Factors for p-y Curves");
    a.externalPyCurves = make("Sets of &External p-y Curves");
    a.lateralSprings = make("&Lateral Springs and Rotational Restraints");
    a.momentEICurves = make("Sets of Nonlinear Moment vs EI Curves");
}

void createOptionActions(QObject* owner, const TActionFactory& make, TMainActions& a) {
    a.units = {make("&English Units (lbs, in)"), make("&SI Units (kN, m)"),
               make("&Other Units (F, L)")};
    a.unitsGroup = exclusiveGroup(owner, a.units);
    a.earthPressure = {make("Earth-Pressure Specified by User"),
                       make("Generate Triangular-Distribution Earth-Pressure"),
                       make("Generate Trapezoidal-Distribution Pressure (Anchored Walls)")};
    a.earthPressureGroup = exclusiveGroup(owner, a.earthPressure);
    a.switches = {make.checkable("Generate &p-y Curves"),
                  make.checkable("Apply &Concentrated Loads"),
                  make.checkable("Apply Tieback (Ground  Anchor)"),
                  make.checkable("Apply &Restraints on Deflection or Slope"),
                  make.checkable("Apply User Specified p-y Curves (&External)"),
                  make.checkable("Apply &Lateral Springs and Rotation Restraints"),
                  make.checkable("Apply External p-y &Modification Factors "),
                  make.checkable("Apply Additional Surcharge Loads"),
                  make.checkable("Apply Nonlinear Moment vs EI Curves")};
    a.shortAndLongTerm = make.checkable("Conduct Short-Term and Long-Term &Analyses");
    a.stagedConstruction = make.checkable("Conduct &Staged-Construction Analysis...");
    a.textEditorOption = make("&Option of Text Editor...");
}

void createStageActions(QObject* owner, const TActionFactory& make, TMainActions& a) {
    for (int i = 0; i < kMaxStages; ++i) {
        const QString n = QString::number(i + 1);
        a.stages[i] = make("Stage &" + n, "Stage Const. " + n, "stage" + n);
    }
    a.stageGroup = exclusiveGroup(owner, a.stages);
    a.copyPreviousStage = make("Copy &Previous Stage");
}

void createComputationActions(const TActionFactory& make, TMainActions& a) {
    a.runAnalysis = make("&Run Analysis", "Run Analysis", "run");
    a.subdivisionCheck = make("Subdivision &Check After Each Run",
                              "After each run, runs the project once more with every soil layer "
                              "split in two and tells how much the results change");
    a.subdivisionCheck->setCheckable(true);
    a.editInput = make("Edit I&nput Text");
    a.editRunNotes = make("Edit &Processor-Run Notes");
    a.editOutput = make("Edit &Output Text");
    a.viewWallGeometry = make("&View Wall Geometry", "View Soil Profile", "soilprofile");
    a.view3D = make("3D View", "3D View", "view3d");
    a.resultsSummary = make("Results Summary", "Results Summary", "resultssummary");
    a.designStudies = make("Design Studies...");
}

void createGraphicsActions(const TActionFactory& make, TMainActions& a) {
    a.graphs = {make("p-&y Curves", "View p-y Curves", "pycurves"),
                make("&Deflection vs Depth", "Deflection Diagram", "deflection"),
                make("&Moment vs Depth", "Moment Diagram", "moment"),
                make("&Shear vs Depth", "LShear Diagram", "shear"),
                make("&Reaction vs Depth", "Soil-Reaction Diagram", "reaction"),
                make("Earth &Pressure Distribution", "Pressure Diagram", "pressure"),
                make("Earth Pressure Combined")};
    a.deflectionMomentShear =
        make("&Deflection, Moment and Shear", "Soil-Reaction Diagram", "deflectionmomentshear");
    a.exportPlots = make("Export Plots To Excel");
}

void createWindowAndHelpActions(const TActionFactory& make, TMainActions& a) {
    a.cascade = make("&Cascade");
    a.arrangeIcons = make("&Arrange Icons");
    a.helpContents = make("&Contents", {}, {}, QKeySequence::HelpContents);
    a.about = make("&About KELDRA 2015...");
}

void createToolButtonActions(const TActionFactory& make, TMainActions& a) {
    a.soilLayersButton = make("Soil Layers", "Soil Layers", "soillayers");
    a.stagedConstructionButton =
        make("Stage Construction Option", "Stage Construction Option", "stageoption");
    a.viewOutputButton = make("View Output File", "View Output File", "viewoutput");
}

}  // namespace

TMainActions createMainActions(QObject* owner) {
    loadIconResources();
    const TActionFactory make(owner);
    TMainActions a{};
    createFileActions(make, a);
    createDataActions(make, a);
    createOptionActions(owner, make, a);
    createStageActions(owner, make, a);
    createComputationActions(make, a);
    createGraphicsActions(make, a);
    createWindowAndHelpActions(make, a);
    createToolButtonActions(make, a);
    return a;
}
