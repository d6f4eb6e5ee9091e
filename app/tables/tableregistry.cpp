#include "app/tables/tableregistry.h"

#include <algorithm>

#include "app/tables/gridtable.h"

TGridTable* TTableRegistry::find(int identifier) const {
    const auto it =
        std::find_if(m_tables.begin(), m_tables.end(),
                     [identifier](const TGridTable* t) { return t->identifier() == identifier; });
    return it == m_tables.end() ? nullptr : *it;
}

TGridTable* TTableRegistry::at(int position) const {
    if (position < 0 || position >= count()) return nullptr;
    return m_tables[position];
}

void TTableRegistry::setIdentifier(TGridTable& table, int identifier) {
    if (identifier < 0 || identifier == table.m_identifier) return;
    if (TGridTable* holder = find(identifier)) holder->m_identifier = table.m_identifier;
    table.m_identifier = identifier;
}

int TTableRegistry::enrol(TGridTable& table) {
    int identifier = m_counter;
    while (find(identifier)) ++identifier;
    m_counter = identifier + 1;
    m_tables.push_back(&table);
    return identifier;
}

void TTableRegistry::withdraw(const TGridTable& table) { std::erase(m_tables, &table); }
