#pragma once

#include <QString>

// The highest column that has a name: "ZZ".
inline constexpr int kLastNamedColumn = 702;

// The letters of a worksheet column, counted from 1: "A" to "Z" for 1 to 26, then two letters,
// "AA" for 27 up to "ZZ" for 702. Columns outside 1..702 have no name (empty).
[[nodiscard]] QString ColumnName(int column);
