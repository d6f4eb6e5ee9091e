#include "app/tables/enumcolumn.h"

#include <cmath>
#include <limits>

#include "app/tables/gridtable.h"
#include "app/tables/tableerror.h"

TEnumColumn::TEnumColumn(const TColumnDefinition& definition, TGridTable& table)
    : TStoredColumn<int>(definition, table) {}

void TEnumColumn::setChoices(const QStringList& choices) {
    m_definition.choices = choices;
    table().alignTemplates();
}

QString TEnumColumn::text(int row, const QLocale&) const { return QString::number(value(row)); }

void TEnumColumn::setFromText(int row, const QString& text, const QLocale& locale) {
    const double entry = evaluateEntry(text, locale);
    if (entry != std::trunc(entry) || entry < std::numeric_limits<int>::min() ||
        entry > std::numeric_limits<int>::max())
        throw EAssignError(QStringLiteral("Value must be an integer."));
    // A choice outside the list would name no soil type or load type.
    if (entry < 1 || entry > choices().size())
        throw EAssignError(QStringLiteral("Entry must be between 1 and %1.").arg(choices().size()));
    setInteger(row, static_cast<int>(entry));
}

void TEnumColumn::rowChanged(int row) {
    if (position() == 0) table().replaceSubTables(row);
    TColumn::rowChanged(row);
}
