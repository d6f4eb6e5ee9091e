#pragma once

#include <QString>

#include "app/project/filelayout.h"

class TProgramData;

// Construction stages of a project: exactly one stage, the current one, lives in the project
// and its tables; every stage lives in its stage file next to the project data file, and the
// project data file is the stage files joined. Operations that read return the reader's
// message for the caller to show (empty on success); writing errors raise EInOutError.
namespace ConstructionStages {

// Writes the current stage to its stage file.
void writeCurrentStage(TProgramData& project);

// Reads the stage file of `stage` into the project when that file exists; otherwise the
// project keeps what it holds.
[[nodiscard]] QString readStage(TProgramData& project, int stage);

// Stores the current stage in its file and makes `stage` current; the project's modified state
// is the same afterwards as before.
[[nodiscard]] QString selectStage(TProgramData& project, int stage);

// The current stage takes the input of the stage before it (the caller has asked the user).
[[nodiscard]] QString copyPreviousStage(TProgramData& project);

// The staged-construction window's OK: sets the number of stages, rewriting the stage files
// for a new count and deleting those of stages that no longer exist.
[[nodiscard]] QString setStageCount(TProgramData& project, int count);

// After the first block of a staged project file has been read: splits the file into its stage
// files and, for a file of an older layout, rewrites every stage file in the current layout.
// Raises EInOutError when a stage file cannot be written.
[[nodiscard]] QString openStagedProject(TProgramData& project, TFileLayout layout);

// Save: the current stage is written, then the stage files are joined into the project data
// file. Save As joins the stage files of the previous name into the new file and moves them to
// the new name, which becomes the project's file name.
void saveStagedProject(TProgramData& project);
void saveStagedProjectAs(TProgramData& project, const QString& fileName);

}  // namespace ConstructionStages
