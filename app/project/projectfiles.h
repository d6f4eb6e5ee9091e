#pragma once

#include <QString>

#include "app/project/filelayout.h"

class TProgramData;

// The file commands' view of a project: open, save and save as, with or without stages.
namespace ProjectFiles {

// Fills a new project from the file: its first block (and long-term block), then, for a staged
// project, the stage files split from it and converted to the current layout. Returns the
// first reading error to show, empty when the whole file was read. After a reading error the
// project keeps what was read, but as an untitled and modified project named after the
// damaged file (recoveryName, with its stage files), so that no plain Save replaces the file.
// Raises EInOutError when the stage files cannot be written; the data file is then left as it
// was, the stage files written are deleted and the project is incomplete.
[[nodiscard]] QString open(TProgramData& project, const QString& fileName, TFileLayout layout);

// The name of what was read from a damaged file: Wall.kd4d -> Wall-recovered.kd5d, in the
// same folder.
[[nodiscard]] QString recoveryName(const QString& damagedFile);

// Writes the project data file under the project's file name; a staged project writes its
// current stage and joins the stage files. Raises EInOutError; the project data file then
// stays as it was and the project keeps its name and its modified state.
void save(TProgramData& project);

// As save, under a new name, which becomes the project's file name; the stage files of a
// staged project move to the new name.
void saveAs(TProgramData& project, const QString& fileName);

}  // namespace ProjectFiles
