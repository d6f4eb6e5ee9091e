#pragma once

#include <QString>

#include "app/project/filelayout.h"

class TProgramData;

// The file commands' view of a project: open, save and save as, with or without stages.
namespace ProjectFiles {

// Fills a new project from the file: its first block (and long-term block), then, for a staged
// project, the stage files split from it and converted to the current layout. Returns the
// first message to show (empty on success); the project is usable either way.
[[nodiscard]] QString open(TProgramData& project, const QString& fileName, TFileLayout layout);

// Writes the project data file under the project's file name; a staged project writes its
// current stage and joins the stage files. Raises EInOutError.
void save(TProgramData& project);

// As save, under a new name, which becomes the project's file name; the stage files of a
// staged project move to the new name.
void saveAs(TProgramData& project, const QString& fileName);

}  // namespace ProjectFiles
