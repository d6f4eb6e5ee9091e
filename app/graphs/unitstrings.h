#pragma once

#include <QString>

// Expands the force and length placeholders of an axis unit string for a unit system
// (1 English, 2 SI, 3 generic): "F/L" reads "lbs/in" or "kN/m", "L2" reads "ft" or "m".
// Generic units leave the string unchanged.
[[nodiscard]] QString ExpandUnits(const QString& units, int unitSystem);

// An axis caption: the caption, followed by " (" + expanded units + ")" when units are given.
[[nodiscard]] QString AxisCaption(const QString& caption, const QString& units, int unitSystem);
