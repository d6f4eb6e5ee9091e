// The settings the desktop program keeps between sessions: the path of the
// external text editor, the recent project files and whether the subdivision
// check follows every run. They live in the user's
// settings store under organisation "Tarvos", application "KELDRA", group
// keldra::kVersion.
#pragma once

#include <QString>

#include "app/main/recentfiles.h"

struct TAppSettings {
    QString editorPath;
    TRecentFiles recentFiles;
    bool subdivisionCheck = true;
};

// Reads the stored settings into `settings`. An empty stored editor path
// keeps the one given; a store that cannot be read clears the editor path and
// every recent file. The subdivision check is on unless stored as off.
void readAppSettings(TAppSettings& settings);
// Writes the editor path, all ten recent-file places and the subdivision check.
void writeAppSettings(const TAppSettings& settings);
// Writes the recent-file places only (after each change of the list).
void writeRecentFiles(const TRecentFiles& recentFiles);
// Writes whether the subdivision check follows every run (when it is switched).
void writeSubdivisionCheck(bool on);
