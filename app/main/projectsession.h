// The current project as the main window sees it: the data tables, which live
// as long as the window, and the project that New and Open replace; its
// file, options, construction stages and modified state.
#pragma once

#include <QString>
#include <memory>

#include "app/analysis/inputchecks.h"
#include "app/main/switches.h"
#include "app/project/filelayout.h"

class TProgramData;
class TProjectTables;

inline const QString kNewProjectFile = QStringLiteral("NewWall.kd5d");

// How opening a project file went.
enum class TOpenOutcome {
    Read,       // the whole file was read
    Damaged,    // reading stopped at an error; what was read is an untitled, modified project
    NotOpened,  // the stage files could not be written; the project is a new one
};

struct TOpenResult {
    TOpenOutcome outcome = TOpenOutcome::Read;
    QString message;  // the reader's or the file system's, empty when all was read
};

class TProjectSession {
  public:
    // Creates the tables and the default project ("New Wall", "NewWall.kd5d").
    TProjectSession();
    ~TProjectSession();
    TProjectSession(const TProjectSession&) = delete;
    TProjectSession& operator=(const TProjectSession&) = delete;

    // Replaces the project by the default one.
    void newProject();

    // Commands that read files return the reader's message for the user,
    // empty when all went well; the project keeps what was read. Commands
    // that write raise EInOutError when a file cannot be written; the files
    // and the project then stay as they were, the project still modified.

    // Replaces the project by the one read from `fileName`: the first stage
    // of a staged project, whose file is split into its stage files (those of
    // an older layout converted to the current one).
    [[nodiscard]] TOpenResult open(const QString& fileName, TFileLayout layout);
    // Writes the project data file under its name; a staged project writes
    // its current stage and joins the stage files.
    void save();
    // Writes the project under `newName`, which becomes its name; the stage
    // files of a staged project move to the new name.
    void saveAs(const QString& newName);

    [[nodiscard]] const QString& fileName() const;
    // The project has never been saved under a name of its own: a new one,
    // or what was read of a damaged file.
    [[nodiscard]] bool isNew() const;

    [[nodiscard]] bool isModified() const;
    void setModified(bool modified);

    [[nodiscard]] bool switchOn(TSwitch s) const;
    void setSwitch(TSwitch s, bool on);
    [[nodiscard]] bool shortAndLongTerm() const;
    void setShortAndLongTerm(bool on);
    [[nodiscard]] bool generatedEarthPressure() const;
    // 1 user-specified, 2 triangular, 3 trapezoidal; 0 while none is stored.
    [[nodiscard]] int earthPressure() const;
    // Stores selection 1 when none is stored (as the options are shown).
    void ensureEarthPressureSelection();
    void setEarthPressure(int selection);
    [[nodiscard]] int unitSystem() const;
    void setUnitSystem(int units);

    [[nodiscard]] int stageCount() const;
    [[nodiscard]] int currentStage() const;
    // Makes `stage` current: the current stage is written to its stage file
    // and `stage` read from its own; the modified state stays as it was.
    [[nodiscard]] QString selectStage(int stage);
    // The current stage takes the input of the stage before it.
    [[nodiscard]] QString copyPreviousStage();
    // Sets the number of stages (1 ends the staged analysis).
    [[nodiscard]] QString setStageCount(int stageCount);

    // What the checks before a run read of the current stage.
    [[nodiscard]] TInputCheckData inputCheckData() const;

    [[nodiscard]] TProgramData& project() { return *m_project; }
    [[nodiscard]] TProjectTables& tables() { return *m_tables; }

  private:
    [[nodiscard]] bool& switchField(TSwitch s) const;

    std::unique_ptr<TProjectTables> m_tables;
    std::unique_ptr<TProgramData> m_project;
};
