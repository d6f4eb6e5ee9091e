// The current project as the main window sees it: its file, its options, its
// construction stages and its modified state.
#pragma once

#include <QString>
#include <array>

#include "app/main/inputchecks.h"
#include "app/main/switches.h"

// The layouts a project data file may have, numbered as the Open dialog's
// filters: the current one, 2013, 3.0 and the oldest.
enum class TFileKind { Current = 1, Keldra2013 = 2, Keldra30 = 3, Oldest = 4 };

// The layout told by a file's extension: ".kd4d" 2013, ".kdd" 3.0, anything
// else the current one.
[[nodiscard]] TFileKind fileKindOf(const QString& fileName);

inline const QString kNewProjectFile = QStringLiteral("NewWall.kd5d");

class TProjectSession {
  public:
    TProjectSession();

    // Replaces the project by the default one ("New Wall", "NewWall.kd5d").
    void newProject();

    // Commands that read files return the reader's message for the user,
    // empty when all went well; the project keeps what was read. Commands
    // that write raise EInOutError when a file cannot be written.

    // Reads the project from a file of the given layout.
    [[nodiscard]] QString open(const QString& fileName, TFileKind kind);
    // After opening a staged project: splits the file into its stage files
    // and converts those of an older layout to the current one.
    [[nodiscard]] QString prepareStageFiles(TFileKind kind);
    // Writes the project data file under its name (joining the stage files
    // of a staged project). Raises EInOutError when the file cannot be written.
    void save();
    // Writes the project under `newName`, which becomes its name.
    void saveAs(const QString& newName);

    [[nodiscard]] const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    // The project has never been saved under a name of its own.
    [[nodiscard]] bool isNew() const { return m_fileName == kNewProjectFile; }

    [[nodiscard]] bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    [[nodiscard]] bool switchOn(TSwitch s) const { return m_switches[static_cast<int>(s)]; }
    void setSwitch(TSwitch s, bool on);
    [[nodiscard]] bool shortAndLongTerm() const { return m_shortAndLongTerm; }
    void setShortAndLongTerm(bool on);
    [[nodiscard]] bool generatedEarthPressure() const { return m_generatedEarthPressure; }
    [[nodiscard]] int earthPressure() const { return m_earthPressure; }
    void setEarthPressure(int selection);
    [[nodiscard]] int unitSystem() const { return m_unitSystem; }
    void setUnitSystem(int units);

    [[nodiscard]] int stageCount() const { return m_stageCount; }
    [[nodiscard]] int currentStage() const { return m_currentStage; }

    // Makes stage j current: the current stage is written to its stage file
    // and stage j read from its own; the modified state stays as it was.
    [[nodiscard]] QString selectStage(int stage);
    // Reads the previous stage's file into the current stage and writes it
    // as the current stage's file.
    [[nodiscard]] QString copyPreviousStage();
    // Sets the number of stages. One ends the staged analysis and deletes the
    // stage files; another count rewrites the stage files for it, a new stage
    // starting as a copy of the last stage read.
    [[nodiscard]] QString setStageCount(int stageCount);
    // Writes the current stage to its stage file.
    void writeCurrentStage();

    // What the checks before a run read of the current stage.
    [[nodiscard]] TInputCheckData inputCheckData() const;

  private:
    QString m_fileName;
    bool m_modified = false;
    std::array<bool, kSwitchCount> m_switches{};
    bool m_shortAndLongTerm = false;
    bool m_generatedEarthPressure = false;
    int m_earthPressure = 2;
    int m_unitSystem = 1;
    int m_stageCount = 1;
    int m_currentStage = 1;
};
