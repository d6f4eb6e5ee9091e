#include "app/tables/floatcolumn.h"

#include "app/tables/gridtable.h"
#include "app/tables/numberformat.h"
#include "app/tables/unitstring.h"

TFloatColumn::TFloatColumn(const TColumnDefinition& definition, TGridTable& table)
    : TStoredColumn<double>(definition, table) {}

QString TFloatColumn::unitLabel() const {
    return TUnitString::label(unitString(), table().unitSystem(), table().unitDialect());
}

double TFloatColumn::engineFactor() const {
    if (table().unitSystem() != kEnglishUnits) return 1.0;
    return TUnitString::englishToEngineFactor(unitString(), table().unitDialect());
}

QString TFloatColumn::titleLine(int index) const {
    QString line = TColumn::titleLine(index);
    if (!unitString().isEmpty() && index == titleLineCount() - 1)
        line += QStringLiteral(" (") + unitLabel() + QStringLiteral(")  ");
    return line;
}

void TFloatColumn::setReal(int row, double value) {
    store(row, value);
    if (TFloatColumn* bottom = bottomPartner(); bottom && row > 0) bottom->storeRow(row - 1, value);
    if (TFloatColumn* top = topPartner(); top && row + 1 < rowCount())
        top->storeRow(row + 1, value);
}

QString TFloatColumn::text(int row, const QLocale& locale) const {
    return TNumberFormat::general(value(row), TNumberFormat::kFileDigits, locale.decimalPoint());
}

void TFloatColumn::setFromText(int row, const QString& text, const QLocale& locale) {
    setReal(row, evaluateEntry(text, locale));
}

void TFloatColumn::convertUnits(int from, int to) {
    const double factor =
        TUnitString::conversionFactor(unitString(), from, to, table().unitDialect());
    if (factor == 1.0) return;
    for (int row = 0; row < rowCount(); ++row) storeRow(row, m_values[row] * factor);
}

void TFloatColumn::linkInsertedRows(int first, int count) {
    TFloatColumn* bottom = bottomPartner();
    if (!bottom) return;
    const int before = first - 1;
    const int after = first + count;
    for (int row = first; row < after; ++row) {
        storeRow(row, before >= 0 ? bottom->m_values[before] : defaultReal());
        bottom->storeRow(row, after < rowCount() ? m_values[after] : bottom->defaultReal());
    }
}

void TFloatColumn::linkAfterDeletion(int deletedRow) {
    TFloatColumn* bottom = bottomPartner();
    if (!bottom || deletedRow <= 0 || deletedRow >= rowCount()) return;
    storeRow(deletedRow, bottom->m_values[deletedRow - 1]);
}

TFloatColumn* TFloatColumn::bottomPartner() const {
    if (!isTopDepth()) return nullptr;
    const int next = position() + 1;
    if (next >= table().columnCount()) return nullptr;
    return dynamic_cast<TFloatColumn*>(&table().column(next));
}

TFloatColumn* TFloatColumn::topPartner() const {
    const int previous = position() - 1;
    if (previous < 0) return nullptr;
    auto* top = dynamic_cast<TFloatColumn*>(&table().column(previous));
    return top && top->isTopDepth() ? top : nullptr;
}
