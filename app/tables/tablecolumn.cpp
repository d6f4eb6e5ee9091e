#include "app/tables/tablecolumn.h"

#include "app/tables/enumcolumn.h"
#include "app/tables/gridtable.h"
#include "app/tables/tableerror.h"
#include "app/tables/tableregistry.h"

TTableColumn::TTableColumn(const TColumnDefinition& definition, TGridTable& table)
    : TColumn(definition, table) {}

TTableColumn::~TTableColumn() = default;

void TTableColumn::alignTemplates() {
    const auto* choices =
        table().columnCount() > 0 ? dynamic_cast<const TEnumColumn*>(&table().column(0)) : nullptr;
    const qsizetype wanted = choices ? choices->choices().size() : 1;
    QList<int>& list = m_definition.templates;
    if (list.size() > wanted) list.resize(wanted);
    while (list.size() < wanted) list.append(-1);
}

void TTableColumn::insertRows(int first, int count) {
    // The first column has already taken its rows, so the choices are known.
    for (int i = 0; i < count; ++i)
        m_subTables.insert(m_subTables.begin() + first + i, cloneTemplateFor(first + i));
    renumberFrom(first);
}

void TTableColumn::deleteRow(int row) {
    checkRow(row);
    m_subTables.erase(m_subTables.begin() + row);
    renumberFrom(row);
}

void TTableColumn::replaceSubTable(int row) {
    checkRow(row);
    m_subTables[row] = cloneTemplateFor(row);
    rowChanged(row);
}

TGridTable* TTableColumn::subTable(int row) const {
    checkRow(row);
    return m_subTables[row].get();
}

QString TTableColumn::buttonCaption(int row) const {
    const TGridTable* sub = subTable(row);
    if (!sub) return {};
    return QStringLiteral("%1: %2").arg(row + 1).arg(sub->caption());
}

QString TTableColumn::text(int row, const QLocale&) const {
    checkRow(row);
    return {};
}

void TTableColumn::setFromText(int, const QString&, const QLocale&) { throw EInvalidCast(); }

bool TTableColumn::isModified() const {
    for (const auto& sub : m_subTables)
        if (sub && sub->isModified()) return true;
    return false;
}

void TTableColumn::clearModified() {
    for (const auto& sub : m_subTables)
        if (sub) sub->setModified(false);
}

void TTableColumn::convertUnits(int, int to) {
    for (const auto& sub : m_subTables)
        if (sub) sub->setUnitSystem(to);
}

void TTableColumn::adoptUnitSystem(int unitSystem) {
    for (const auto& sub : m_subTables)
        if (sub) sub->adoptUnitSystem(unitSystem);
}

std::unique_ptr<TGridTable> TTableColumn::cloneTemplateFor(int row) const {
    int choice = 1;
    if (position() != 0)
        if (const auto* first = dynamic_cast<const TEnumColumn*>(&table().column(0)))
            choice = first->integer(row);
    if (choice < 1 || choice > templates().size()) return nullptr;
    const TGridTable* source = table().registry().find(templates()[choice - 1]);
    // A template that contains the table itself would clone without end.
    if (!source || table().descendsFrom(*source)) return nullptr;
    return source->cloneAsSubTable(table(), row + 1);
}

void TTableColumn::renumberFrom(int row) {
    for (int r = row; r < rowCount(); ++r)
        if (m_subTables[r]) m_subTables[r]->setRowNumber(r + 1);
}
