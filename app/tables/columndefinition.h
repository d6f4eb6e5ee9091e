#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Class codes of the column classes, as stored in a column definition.
enum class TColumnClass : int { Enum = 0, Int = 1, Float = 2, Table = 3, String = 4 };

// Everything that defines a column (not its values): the common fields and the
// fields of its class. A table's columns are created from definitions and
// give them back, so a definition is also what a clone copies and what the
// column-definition stream carries.
struct TColumnDefinition {
    TColumnClass classCode = TColumnClass::Float;
    QStringList titleLines;    // header lines of the grid column
    bool visible = true;       // invisible columns hold data but are not shown
    bool groupShared = false;  // a write goes to every row of the row's group

    QStringList choices;  // TEnumColumn: choice texts; cells hold 1..n

    int intDefault = 0;  // TIntColumn
    int intMinimum = 0;
    int intMaximum = 0;

    bool topDepth = false;  // TFloatColumn: first of a linked depth pair
    QString unitString;     // TFloatColumn: e.g. "F/L2^3"; empty = no unit
    double floatDefault = 0.0;

    QList<int> templates;  // TTableColumn: template identifiers, -1 for none

    QString stringDefault;  // TStringColumn
    double minimumWidthInches = 0;

    [[nodiscard]] static TColumnDefinition choice(QStringList titleLines, QStringList choices);
    [[nodiscard]] static TColumnDefinition integer(QStringList titleLines, int defaultValue,
                                                   int minimum, int maximum);
    [[nodiscard]] static TColumnDefinition real(QStringList titleLines, QString unitString = {},
                                                double defaultValue = 0.0);
    [[nodiscard]] static TColumnDefinition table(QStringList titleLines, QList<int> templates);
    [[nodiscard]] static TColumnDefinition text(QStringList titleLines, QString defaultText,
                                                double minimumWidthInches);

    bool operator==(const TColumnDefinition&) const = default;
};
