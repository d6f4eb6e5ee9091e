// The main window of the desktop program: a multiple-document window with
// the menus, the tool bar and the status bar, the file commands, the option
// switches, the construction stages and the analysis run.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "app/analysis/enginerun.h"
#include "app/graphs/resultgraphs.h"
#include "app/main/appsettings.h"
#include "app/main/mainactions.h"
#include "app/main/projectsession.h"
#include "app/results/results_summary.h"
#include "app/widgets/userprompts.h"

class QLabel;
class TViewCommands;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class TDataWindows;
class QUrl;
struct TEnablingState;

struct TMainFormSetup {
    std::unique_ptr<TUserPrompts> prompts;  // message boxes and file dialogs when null
    QString programFolder;                  // the engine's folder; the program's when empty
};

class TMainForm : public QMainWindow {
    Q_OBJECT

  public:
    explicit TMainForm(TMainFormSetup setup = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Opens the project named on the command line: a name without an
    // extension gets ".kd4d"; a file that does not exist leaves the new project.
    void openFromCommandLine(const QString& argument);

    [[nodiscard]] const TMainActions& actions() const { return m_actions; }
    [[nodiscard]] TProjectSession& session() { return m_session; }
    [[nodiscard]] const TAppSettings& settings() const { return m_settings; }
    [[nodiscard]] QString statusText() const;
    [[nodiscard]] QMdiArea* mdiArea() const { return m_mdiArea; }
    [[nodiscard]] bool resultsLoaded() const { return m_resultsLoaded; }
    [[nodiscard]] TResultGraphs& graphs() { return m_graphs; }
    [[nodiscard]] TGraphPlot& graphOf(TGraph graph);

    // The file commands; each returns whether it was carried out.
    bool fileNew();
    bool fileOpen();
    bool openFileByName(const QString& fileName, TFileLayout layout);
    bool fileSave();
    bool fileSaveAs();
    bool openRecentFile(int index);
    // Files dropped on the window: the first one opens.
    bool openDroppedFiles(const QList<QUrl>& urls);
    void runAnalysis();
    // "Export Plots To Excel": the export dialog, modal.
    void exportPlots();
    // "Export Calculation Report (PDF)...": saves the project, runs the analysis when its
    // results are missing or older than the project file, writes the report where the user
    // chooses and opens it.
    void exportCalculationReport();
    void selectStage(int stage);
    void copyPreviousStage();
    // Applies the count chosen in the Staged Construction Options window.
    void applyStageCount(int stageCount);

    // Shows the one child window named `key` (a table window is named after
    // its table), creating its content with `create` on first use; closing
    // the window frees it.
    QMdiSubWindow* showChildWindow(const QString& key, const std::function<QWidget*()>& create);
    // Closes the child window named `key` when it is open.
    void closeChildWindow(const QString& key);

    // Asks to save a modified project; false when the user cancels.
    [[nodiscard]] bool maybeSave();
    // Brings every menu's and tool button's state up to date.
    void refreshCommands();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void createActions();
    void createMenus();
    void createFileMenu();
    void createDataMenu();
    void createOptionsMenu();
    void createComputationMenus();
    void createWindowMenu();
    void createToolBars();
    void createStatusBar();
    void connectActions();
    void connectGraphActions();
    void connectViewActions();
    [[nodiscard]] std::vector<double> firstDeflectionCurve() const;
    void fillGraphEnabling(TEnablingState& state);
    void connectOptionActions();
    void connectStageActions();
    // The Data menu, the input tool buttons and the option window open the
    // input windows and the table windows (mainformdata.cpp).
    void connectDataActions();
    void showStagedOptionsWindow();
    // Runs a command on the project's files and shows its message, if any.
    void runFileCommand(const std::function<QString()>& command);
    // Before a command writes the project's files: when a stored text holds
    // characters the files cannot keep, asks whether to go on with them
    // replaced (and replaces them) or to stop; true to go on.
    [[nodiscard]] bool confirmStoredTexts();
    void readSettings();
    void writeSettings();

    void updateRecentFileEntries();
    void putOnTopOfRecentFiles(const QString& fileName);
    void updateWindowMenu();
    void arrangeIcons();
    void applyShortAndLongTermLayout();
    void showStageState();
    void updateCaption();
    void afterProjectReplaced();
    // Input windows keep their values until they lose the focus; before a
    // command reads the project, the active child window's content stores
    // them (TEditedValues), when it is such a window.
    void storeActiveChildValues();
    void closeChildWindows();

    [[nodiscard]] bool inputChecksPass();
    // The engine's run of the saved project, under the wait cursor.
    [[nodiscard]] TRunResult runEngine(const TRunFiles& files);
    void reportRun(const TRunResult& result, const TRunFiles& files);
    // The lines of the subdivision check of the saved project's run, made under the wait
    // cursor; none when the check is turned off or the run has no problems.
    [[nodiscard]] QStringList subdivisionCheckLines(const TRunFiles& files,
                                                    const keldra::results::ResultsSummary& summary);
    // Loads the project's plot-data file, when it exists, into the result
    // graphs and sets whether results are loaded. With showErrors a failure
    // is reported to the user (after a run), else it is silent (on open).
    void loadResults(bool showErrors);
    // After a run without results: the graphs of an earlier run are emptied
    // so that they cannot pass for this run's.
    void forgetResults();
    void openInEditor(const QString& file);
    void showTextFile(const QString& file);
    // The "Results Summary" window of the current results.
    void showResultsSummary();
    void showDesignStudies();
    void showUserGuide();
    void showAbout();

    TMainActions m_actions;
    std::unique_ptr<TUserPrompts> m_prompts;
    QString m_programFolder;
    TEngineRunner m_engine;
    TProjectSession m_session;
    TAppSettings m_settings;
    bool m_resultsLoaded = false;
    TResultGraphs m_graphs;

    QMdiArea* m_mdiArea = nullptr;
    std::unique_ptr<TDataWindows> m_dataWindows;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentFilesSeparator = nullptr;
    QMenu* m_dataMenu = nullptr;
    QMenu* m_soilLayersMenu = nullptr;
    QMenu* m_distributedLoadMenu = nullptr;
    QMenu* m_optionsMenu = nullptr;
    QMenu* m_stageMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_statusText = nullptr;
    TViewCommands* m_viewCommands = nullptr;  // the 3D view's tool buttons and menu
};
