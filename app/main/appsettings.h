// The settings the desktop program keeps between sessions: the path of the
// external text editor and the recent project files. They live in the user's
// settings store under organisation "Tarvos", application "KELDRA", group
// keldra::kVersion.
#pragma once

#include <QString>

#include "app/main/recentfiles.h"

struct TAppSettings {
    QString editorPath;
    TRecentFiles recentFiles;
};

// Reads the stored settings into `settings`. An empty stored editor path
// keeps the one given; a store that cannot be read clears the editor path and
// every recent file.
void readAppSettings(TAppSettings& settings);
// Writes the editor path and all ten recent-file places.
void writeAppSettings(const TAppSettings& settings);
// Writes the recent-file places only (after each change of the list).
void writeRecentFiles(const TRecentFiles& recentFiles);
