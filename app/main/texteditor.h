// Opens a text file in the user's text editor.
#pragma once

#include <QString>

// Starts `editorCommand` (a program, possibly with its own arguments) on
// `file`. Returns false when nothing could be started.
[[nodiscard]] bool openInTextEditor(const QString& editorCommand, const QString& file);
