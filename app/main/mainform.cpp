// Building the main window: actions, menus, tool bar, status bar, settings,
// the caption, the Window menu and the enabling of every command.
#include "app/main/mainform.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/dialogs/datawindows.h"
#include "app/main/caption.h"
#include "app/main/menuenabling.h"
#include "app/widgets/editedvalues.h"

namespace {

constexpr int kToolIconSize = 24;

QString programFolderOr(const QString& folder) {
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

}  // namespace

TMainForm::TMainForm(TMainFormSetup setup, QWidget* parent)
    : QMainWindow(parent),
      m_prompts(setup.prompts ? std::move(setup.prompts) : std::make_unique<TDialogPrompts>()),
      m_programFolder(programFolderOr(setup.programFolder)),
      m_engine(m_programFolder) {
    setAcceptDrops(true);
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);

    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    connectActions();
    connectGraphActions();
    connectViewActions();
    connectDataActions();
    readSettings();

    afterProjectReplaced();
    resize(1100, 720);
}

// Child windows show the project and its tables, which are members here and
// would otherwise go before the widgets that refer to them.
TMainForm::~TMainForm() { qDeleteAll(m_mdiArea->subWindowList()); }

void TMainForm::createActions() { m_actions = createMainActions(this); }

void TMainForm::createMenus() {
    createFileMenu();
    createDataMenu();
    createOptionsMenu();
    createComputationMenus();
    createWindowMenu();
    QMenu* help = menuBar()->addMenu("&Help");
    help->addAction(m_actions.helpContents);
    help->addSeparator();
    help->addAction(m_actions.about);
}

void TMainForm::createFileMenu() {
    m_fileMenu = menuBar()->addMenu("&File");
    const TMainActions& a = m_actions;
    m_fileMenu->addActions({a.fileNew, a.fileOpen, a.fileSave, a.fileSaveAs});
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(a.exportReport);
    m_fileMenu->addSeparator();
    for (QAction* recent : a.recentFiles) m_fileMenu->addAction(recent);
    m_recentFilesSeparator = m_fileMenu->addSeparator();
    m_fileMenu->addAction(a.fileExit);
    connect(m_fileMenu, &QMenu::aboutToShow, this, &TMainForm::updateRecentFileEntries);
}

void TMainForm::createDataMenu() {
    m_dataMenu = menuBar()->addMenu("Da&ta");
    const TMainActions& a = m_actions;
    m_dataMenu->addActions({a.title, a.wallProperties, a.wallConfiguration, a.soilLayers});
    m_soilLayersMenu = m_dataMenu->addMenu("&Soil Layer Data");
    m_soilLayersMenu->addActions({a.soilLayersShortTerm, a.soilLayersLongTerm});
    m_dataMenu->addAction(a.distributedLoad);
    m_distributedLoadMenu = m_dataMenu->addMenu("&Distributed Active Earth Pressure");
    m_distributedLoadMenu->addActions({a.distributedLoadShortTerm, a.distributedLoadLongTerm});
    m_dataMenu->addSeparator();
    m_dataMenu->addActions({a.surcharge, a.concentratedLoads, a.tieback});
    m_dataMenu->addSeparator();
    m_dataMenu->addActions({a.restraints, a.pyModification});
    m_dataMenu->addSeparator();
    m_dataMenu->addActions({a.externalPyCurves, a.lateralSprings, a.momentEICurves});
    connect(m_dataMenu, &QMenu::aboutToShow, this, &TMainForm::refreshCommands);
}

void TMainForm::createOptionsMenu() {
    m_optionsMenu = menuBar()->addMenu("&Options");
    const TMainActions& a = m_actions;
    QMenu* units = m_optionsMenu->addMenu("&Units");
    for (QAction* u : a.units) units->addAction(u);
    QMenu* pressure = m_optionsMenu->addMenu("Earth-Pressure Options");
    for (QAction* p : a.earthPressure) pressure->addAction(p);
    connect(pressure, &QMenu::aboutToShow, this, [this] {
        m_session.ensureEarthPressureSelection();
        refreshCommands();
    });
    m_optionsMenu->addSeparator();
    for (QAction* s : a.switches) m_optionsMenu->addAction(s);
    m_optionsMenu->addSeparator();
    m_optionsMenu->addActions({a.shortAndLongTerm, a.stagedConstruction});
    m_optionsMenu->addSeparator();
    m_optionsMenu->addAction(a.textEditorOption);
    connect(m_optionsMenu, &QMenu::aboutToShow, this, &TMainForm::refreshCommands);

    m_stageMenu = menuBar()->addMenu("&Stage Construction");
    for (QAction* s : a.stages) m_stageMenu->addAction(s);
    m_stageMenu->addSeparator();
    m_stageMenu->addAction(a.copyPreviousStage);
    connect(m_stageMenu, &QMenu::aboutToShow, this, &TMainForm::refreshCommands);
}

void TMainForm::createComputationMenus() {
    const TMainActions& a = m_actions;
    QMenu* computation = menuBar()->addMenu("&Computation");
    computation->addActions({a.runAnalysis, a.subdivisionCheck});
    computation->addSeparator();
    computation->addActions({a.editInput, a.editRunNotes, a.editOutput});
    computation->addSeparator();
    computation->addActions({a.viewWallGeometry, a.view3D});
    computation->addSeparator();
    computation->addAction(a.resultsSummary);
    computation->addAction(a.designStudies);
    connect(computation, &QMenu::aboutToShow, this, &TMainForm::refreshCommands);

    QMenu* graphics = menuBar()->addMenu("&Graphics");
    for (TGraph g :
         {TGraph::PyCurves, TGraph::Deflection, TGraph::Moment, TGraph::Shear, TGraph::Reaction})
        graphics->addAction(graphAction(a, g));
    graphics->addAction(a.deflectionMomentShear);
    graphics->addSeparator();
    graphics->addAction(graphAction(a, TGraph::EarthPressure));
    graphics->addAction(graphAction(a, TGraph::PressureCombined));
    graphics->addSeparator();
    graphics->addAction(a.exportPlots);
    connect(graphics, &QMenu::aboutToShow, this, &TMainForm::refreshCommands);
}

void TMainForm::createWindowMenu() {
    m_windowMenu = menuBar()->addMenu("&Window");
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TMainForm::updateWindowMenu);
    updateWindowMenu();
}

void TMainForm::createToolBars() {
    m_toolBar = addToolBar("Tool Bar");
    m_toolBar->setObjectName("ToolBar");
    m_toolBar->setIconSize(QSize(kToolIconSize, kToolIconSize));
    m_toolBar->setMovable(false);
    const TMainActions& a = m_actions;
    m_toolBar->addActions({a.fileNew, a.fileOpen, a.fileSave});
    m_toolBar->addSeparator();
    m_toolBar->addActions({a.title, a.wallProperties, a.wallConfiguration, a.soilLayersButton});
    m_toolBar->addSeparator();
    m_toolBar->addActions(
        {a.runAnalysis, a.stagedConstructionButton, a.viewOutputButton, a.resultsSummary});
    m_toolBar->addSeparator();
    m_toolBar->addActions({a.viewWallGeometry, a.view3D});
    m_toolBar->addSeparator();
    for (TGraph g :
         {TGraph::PyCurves, TGraph::Deflection, TGraph::Moment, TGraph::Shear, TGraph::Reaction})
        m_toolBar->addAction(graphAction(a, g));
    m_toolBar->addAction(a.deflectionMomentShear);
    m_toolBar->addAction(graphAction(a, TGraph::EarthPressure));
    m_toolBar->addSeparator();
    for (QAction* s : a.stages) m_toolBar->addAction(s);
}

void TMainForm::createStatusBar() {
    m_statusText = new QLabel(this);
    statusBar()->addWidget(m_statusText, 1);
}

QString TMainForm::statusText() const { return m_statusText->text(); }

void TMainForm::readSettings() {
    readAppSettings(m_settings);
    m_actions.subdivisionCheck->setChecked(m_settings.subdivisionCheck);
    updateRecentFileEntries();
}

void TMainForm::writeSettings() { writeAppSettings(m_settings); }

void TMainForm::putOnTopOfRecentFiles(const QString& fileName) {
    if (!m_settings.recentFiles.putOnTop(fileName)) return;
    writeRecentFiles(m_settings.recentFiles);
    updateRecentFileEntries();
}

void TMainForm::updateRecentFileEntries() {
    const TRecentFiles& recent = m_settings.recentFiles;
    const QString currentDir = QDir::currentPath();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* entry = m_actions.recentFiles[i];
        entry->setText(recent.menuText(i, currentDir));
        entry->setVisible(!recent.at(i).isEmpty());
    }
    m_recentFilesSeparator->setVisible(recent.count() > 0);
}

void TMainForm::updateWindowMenu() {
    m_windowMenu->clear();
    m_windowMenu->addAction(m_actions.cascade);
    m_windowMenu->addAction(m_actions.arrangeIcons);
    const QList<QMdiSubWindow*> children = m_mdiArea->subWindowList();
    if (children.isEmpty()) return;
    m_windowMenu->addSeparator();
    for (QMdiSubWindow* child : children) {
        QAction* entry = m_windowMenu->addAction(child->windowTitle());
        entry->setCheckable(true);
        entry->setChecked(child == m_mdiArea->activeSubWindow());
        connect(entry, &QAction::triggered, this, [this, child] {
            child->showNormal();
            m_mdiArea->setActiveSubWindow(child);
        });
    }
}

// Lines the minimised child windows up along the bottom of the work area.
void TMainForm::arrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* child : m_mdiArea->subWindowList()) {
        if (!child->isMinimized()) continue;
        const QSize size = child->size();
        child->move(x, m_mdiArea->viewport()->height() - size.height());
        x += size.width();
    }
}

void TMainForm::updateCaption() { setWindowTitle(mainCaption(m_session.fileName())); }

void TMainForm::applyShortAndLongTermLayout() {
    const bool both = m_session.shortAndLongTerm();
    m_actions.soilLayers->setVisible(!both);
    m_actions.distributedLoad->setVisible(!both);
    m_soilLayersMenu->menuAction()->setVisible(both);
    m_distributedLoadMenu->menuAction()->setVisible(both);
}

void TMainForm::showStageState() {
    const bool staged = m_session.stageCount() > 1;
    m_statusText->setText(staged ? "Construction Stage Number: " +
                                       QString::number(m_session.currentStage())
                                 : QString());
    m_stageMenu->menuAction()->setVisible(staged);
}

void TMainForm::refreshCommands() {
    storeActiveChildValues();
    TEnablingState state;
    for (int i = 0; i < kSwitchCount; ++i) state.switches[i] = m_session.switchOn(TSwitch(i));
    state.shortAndLongTerm = m_session.shortAndLongTerm();
    state.generatedEarthPressure = m_session.generatedEarthPressure();
    state.earthPressure = m_session.earthPressure();
    state.stageCount = m_session.stageCount();
    state.currentStage = m_session.currentStage();
    const TRunFiles files = TRunFiles::forProject(m_session.fileName());
    state.inputFileExists = !m_session.isNew() && QFileInfo::exists(files.projectFile);
    state.runNotesExist = QFileInfo::exists(files.runNotes);
    state.reportExists = QFileInfo::exists(files.report);
    state.plotDataExists = QFileInfo::exists(files.plotData);
    state.resultsLoaded = m_resultsLoaded;
    state.unitSystem = m_session.unitSystem();
    fillGraphEnabling(state);
    applyEnabling(m_actions, state);
}

// Everything that follows a new project in memory: caption, menu layout,
// stage state and the commands.
// Every path that replaces the project ends here: the menus and the input
// windows that stayed open follow the new project.
void TMainForm::afterProjectReplaced() {
    updateCaption();
    applyShortAndLongTermLayout();
    showStageState();
    refreshCommands();
    m_dataWindows->refresh();
}

void TMainForm::storeActiveChildValues() {
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    QWidget* content = active ? active->widget() : nullptr;
    if (auto* edited = dynamic_cast<TEditedValues*>(content)) (void)edited->storeValues();
}

void TMainForm::closeChildWindows() { m_mdiArea->closeAllSubWindows(); }

QMdiSubWindow* TMainForm::showChildWindow(const QString& key,
                                          const std::function<QWidget*()>& create) {
    QMdiSubWindow* child = nullptr;
    for (QMdiSubWindow* open : m_mdiArea->subWindowList())
        if (open->objectName() == key) child = open;
    if (!child) {
        child = m_mdiArea->addSubWindow(create());
        child->setObjectName(key);
        child->setAttribute(Qt::WA_DeleteOnClose);
    }
    child->showNormal();
    m_mdiArea->setActiveSubWindow(child);
    return child;
}

void TMainForm::closeChildWindow(const QString& key) {
    for (QMdiSubWindow* open : m_mdiArea->subWindowList())
        if (open->objectName() == key) open->close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    storeActiveChildValues();
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    writeSettings();
    closeChildWindows();
    event->accept();
}
