#pragma once

#include <QByteArray>

class TGridTable;

// Cell values of the data tables as the project data file holds them. Tables keep English
// values in the units shown (a depth in feet, a unit weight in pcf); the file holds the
// engine's units (inches, pci), so a converted cell is multiplied by its column's engine
// factor on writing and divided by it on reading; the factor is 1 in SI and generic units.
// Tables written as shown (tiebacks, surcharges, curves) pass convert = false.

// The value of a float cell for the file.
[[nodiscard]] double fileReal(const TGridTable& table, int column, int row, bool convert);
// The value to store in a float cell for a value read from the file.
[[nodiscard]] double shownReal(const TGridTable& table, int column, double fileValue, bool convert);
// Any numeric cell as written: integers and choices in decimal, reals in the file number format.
[[nodiscard]] QByteArray fileCellText(const TGridTable& table, int column, int row, bool convert);
// The number of choices of a choice column.
[[nodiscard]] int choiceCount(const TGridTable& table, int column);
