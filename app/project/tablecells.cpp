#include "app/project/tablecells.h"

#include "app/project/filenumber.h"
#include "app/tables/floatcolumn.h"
#include "app/tables/gridtable.h"

namespace {

// A column that holds no reals has no factor; reading its real then raises "Data of wrong type".
double engineFactor(const TGridTable& table, int column, bool convert) {
    const auto* real = dynamic_cast<const TFloatColumn*>(&table.column(column));
    return convert && real != nullptr ? real->engineFactor() : 1.0;
}

}  // namespace

double fileReal(const TGridTable& table, int column, int row, bool convert) {
    return table.real(column, row) * engineFactor(table, column, convert);
}

double shownReal(const TGridTable& table, int column, double fileValue, bool convert) {
    return fileValue / engineFactor(table, column, convert);
}

QByteArray fileCellText(const TGridTable& table, int column, int row, bool convert) {
    if (table.column(column).classCode() == TColumnClass::Float) {
        return fileNumberText(fileReal(table, column, row, convert));
    }
    return QByteArray::number(table.integer(column, row));
}

int choiceCount(const TGridTable& table, int column) {
    return static_cast<int>(table.column(column).definition().choices.size());
}
