#include "app/tables/projecttables.h"

#include <algorithm>

#include "app/tables/formdescription.h"
#include "app/tables/gridtablechart.h"
#include "app/tables/tablecolumn.h"
#include "app/tables/tableerror.h"

namespace {
void padSubTables(TGridTable& table) {
    table.ensureMinRows();
    for (int c = 0; c < table.columnCount(); ++c) {
        if (table.column(c).classCode() != TColumnClass::Table) continue;
        for (int row = 0; row < table.rowCount(); ++row)
            if (TGridTable* sub = table.subTable(c, row)) padSubTables(*sub);
    }
}
}  // namespace

TProjectTables::TProjectTables() {
    for (const TTableDefinition& definition : TFormDescription::tables()) {
        if (definition.charted) {
            auto table = TFormDescription::build(definition, m_chartRegistry);
            m_charted.push_back(static_cast<TGridTableChart*>(table.get()));
            m_tables.push_back(std::move(table));
        } else {
            auto table = TFormDescription::build(definition, m_plainRegistry);
            m_plain.push_back(table.get());
            m_tables.push_back(std::move(table));
        }
    }
    // Rows only now: sub-table columns clone templates defined after them.
    reset();
}

TProjectTables::~TProjectTables() = default;

TGridTable* TProjectTables::find(QStringView name) const {
    const auto it = std::find_if(m_tables.begin(), m_tables.end(),
                                 [name](const auto& t) { return t->objectName() == name; });
    return it == m_tables.end() ? nullptr : it->get();
}

TGridTable& TProjectTables::table(QStringView name) const {
    TGridTable* found = find(name);
    if (!found) throw ETableError(QStringLiteral("No table named ") + name.toString());
    return *found;
}

TGridTableChart& TProjectTables::chartTable(QStringView name) const {
    auto* chart = dynamic_cast<TGridTableChart*>(&table(name));
    if (!chart) throw ETableError(QStringLiteral("No charted table named ") + name.toString());
    return *chart;
}

void TProjectTables::reset(int unitSystem) {
    for (const auto& table : m_tables) table->setRowCount(0);
    for (const auto& table : m_tables) table->ensureMinRows();
    adoptUnitSystem(unitSystem);
    for (TGridTableChart* chart : m_charted) chart->adoptUnitSystem(kEnglishUnits);
    setModified(false);
}

void TProjectTables::ensureMinRows() {
    for (const auto& table : m_tables) padSubTables(*table);
}

void TProjectTables::setUnitSystem(int unitSystem) {
    for (TGridTable* table : m_plain) table->setUnitSystem(unitSystem);
    m_unitSystem = unitSystem;
}

void TProjectTables::adoptUnitSystem(int unitSystem) {
    for (TGridTable* table : m_plain) table->adoptUnitSystem(unitSystem);
    m_unitSystem = unitSystem;
}

bool TProjectTables::isModified() const {
    return std::any_of(m_tables.begin(), m_tables.end(),
                       [](const auto& t) { return t->isModified(); });
}

void TProjectTables::setModified(bool modified) {
    for (const auto& table : m_tables) table->setModified(modified);
}
