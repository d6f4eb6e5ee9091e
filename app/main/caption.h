// The names under which the main window shows the project file.
#pragma once

#include <QString>

// The file name without its folder, an extension ".kdd" dropped, the first
// letter upper case when the name is longer than one character.
[[nodiscard]] QString displayName(const QString& fileName);

// "KELDRA 2015.5.6 - " followed by the display name.
[[nodiscard]] QString mainCaption(const QString& fileName);
