#pragma once

#include <vector>

class TGridTable;

// The tables of one family (plain or charted) in creation order, with their
// identifiers. Identifiers stay unique: a new table takes the next value of
// the family's counter that no table holds, and setting an identifier that
// another table holds gives that table the old identifier of this one.
// Templates of sub-table columns are found here by identifier.
// The registry does not own the tables; a table enrols itself when created
// and withdraws when destroyed, so the registry must outlive its tables.
class TTableRegistry {
  public:
    TTableRegistry() = default;
    TTableRegistry(const TTableRegistry&) = delete;
    TTableRegistry& operator=(const TTableRegistry&) = delete;

    // The first registered table with the identifier, or nullptr.
    [[nodiscard]] TGridTable* find(int identifier) const;
    [[nodiscard]] int count() const { return static_cast<int>(m_tables.size()); }
    [[nodiscard]] TGridTable* at(int position) const;  // nullptr outside 0..count-1

    // Negative identifiers are ignored.
    void setIdentifier(TGridTable& table, int identifier);

  private:
    friend class TGridTable;
    [[nodiscard]] int enrol(TGridTable& table);  // returns the table's first identifier
    void withdraw(const TGridTable& table);

    std::vector<TGridTable*> m_tables;
    int m_counter = 0;
};
