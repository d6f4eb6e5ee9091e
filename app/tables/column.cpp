#include "app/tables/column.h"

#include <algorithm>

#include "app/tables/enumcolumn.h"
#include "app/tables/evaluator.h"
#include "app/tables/floatcolumn.h"
#include "app/tables/gridtable.h"
#include "app/tables/intcolumn.h"
#include "app/tables/stringcolumn.h"
#include "app/tables/tablecolumn.h"
#include "app/tables/tableerror.h"

TColumn::TColumn(const TColumnDefinition& definition, TGridTable& table)
    : m_definition(definition), m_table(table) {}

std::unique_ptr<TColumn> TColumn::create(const TColumnDefinition& definition, TGridTable& table) {
    switch (definition.classCode) {
        case TColumnClass::Enum:
            return std::make_unique<TEnumColumn>(definition, table);
        case TColumnClass::Int:
            return std::make_unique<TIntColumn>(definition, table);
        case TColumnClass::Float:
            return std::make_unique<TFloatColumn>(definition, table);
        case TColumnClass::Table:
            return std::make_unique<TTableColumn>(definition, table);
        case TColumnClass::String:
            return std::make_unique<TStringColumn>(definition, table);
    }
    throw ETableError(QStringLiteral("Error Column Class not defined"));
}

int TColumn::titleLineCount() const { return static_cast<int>(m_definition.titleLines.size()); }

QString TColumn::titleLine(int index) const {
    if (index < 0 || index >= titleLineCount())
        throw ETableError(QStringLiteral("Index out of bounds"));
    return m_definition.titleLines[index];
}

TGridTable* TColumn::subTable(int) const { throw EInvalidCast(); }
double TColumn::real(int) const { throw EInvalidCast(); }
void TColumn::setReal(int, double) { throw EInvalidCast(); }
int TColumn::integer(int) const { throw EInvalidCast(); }
void TColumn::setInteger(int, int) { throw EInvalidCast(); }
void TColumn::convertUnits(int, int) {}
void TColumn::adoptUnitSystem(int) {}

int TColumn::position() const { return m_table.positionOf(*this); }

void TColumn::checkRow(int row) const {
    if (row < 0 || row >= rowCount()) throw ETableError(QStringLiteral("Index out of bounds"));
}

std::pair<int, int> TColumn::rowsWrittenBy(int row) const {
    if (!isGroupShared()) return {row, row + 1};
    const int group = m_table.rowGroup();
    const int first = row - row % group;
    return {first, std::min(first + group, rowCount())};
}

void TColumn::rowChanged(int row) { m_table.noteCellChanged(*this, row); }

double TColumn::evaluateEntry(const QString& text, const QLocale& locale) {
    QString compact = text;
    compact.remove(u' ').remove(u'\t');
    if (compact.isEmpty()) throw EAssignError(QStringLiteral("Entry cannot be blank."));
    try {
        return TEvaluator(locale).evaluate(text);
    } catch (const EAssignError& error) {
        // A lone word that is no number is reported as such; a faulty
        // expression keeps the evaluator's reason.
        const bool singleWord = std::none_of(compact.begin(), compact.end(), [](QChar c) {
            return QStringLiteral("^*/%&+=|()-").contains(c);
        });
        if (singleWord && error.message() == TEvaluator::invalidCharactersMessage())
            throw EAssignError(text + QStringLiteral(" is not a valid number."));
        throw;
    }
}
