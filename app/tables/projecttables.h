#pragma once

#include <QStringView>
#include <memory>
#include <vector>

#include "app/tables/tableregistry.h"
#include "app/tables/unitstring.h"

class TGridTable;
class TGridTableChart;

// Every data table of the main window, created from the form description
// and owned here for the life of the main window; a new project empties them
// and refills them with their default rows (reset), so they survive the
// replacement of the project.
//
// Plain tables hold their values in the project's unit system; charted
// tables (curve sets) always stay in English units and are never converted.
// The project reads and writes the tables by name (TableName::PileSect ...).
class TProjectTables {
  public:
    // Every table with its minimum number of default rows, English units, not modified.
    TProjectTables();
    ~TProjectTables();
    TProjectTables(const TProjectTables&) = delete;
    TProjectTables& operator=(const TProjectTables&) = delete;

    // Raises ETableError "No table named <name>" for an unknown name.
    [[nodiscard]] TGridTable& table(QStringView name) const;
    [[nodiscard]] TGridTableChart& chartTable(QStringView name) const;
    [[nodiscard]] TGridTable* find(QStringView name) const;  // nullptr when unknown

    // In creation order.
    [[nodiscard]] const std::vector<TGridTable*>& plainTables() const { return m_plain; }
    [[nodiscard]] const std::vector<TGridTableChart*>& chartTables() const { return m_charted; }
    [[nodiscard]] TTableRegistry& plainRegistry() { return m_plainRegistry; }
    [[nodiscard]] TTableRegistry& chartRegistry() { return m_chartRegistry; }

    // Empties every table and refills it with MinRows default rows; plain
    // tables take `unitSystem` without conversion; nothing is modified.
    void reset(int unitSystem = kEnglishUnits);
    // Pads every table (and sub-table) that has fewer rows than its minimum.
    void ensureMinRows();

    // Unit switch of the project: every plain table converts its values by
    // its columns' unit strings (the surcharge magnitudes, unit "SEE NOTES",
    // are left to the project, which converts them by load type).
    void setUnitSystem(int unitSystem);
    // Plain tables take the unit system without conversion (file reading).
    void adoptUnitSystem(int unitSystem);
    [[nodiscard]] int unitSystem() const { return m_unitSystem; }

    [[nodiscard]] bool isModified() const;
    // false clears the flags of every table and sub-table; true is rarely
    // wanted here (set a single table's flag instead).
    void setModified(bool modified);

  private:
    // Declared first: the registries outlive the tables.
    TTableRegistry m_plainRegistry;
    TTableRegistry m_chartRegistry;
    std::vector<std::unique_ptr<TGridTable>> m_tables;
    std::vector<TGridTable*> m_plain;
    std::vector<TGridTableChart*> m_charted;
    int m_unitSystem = kEnglishUnits;
};
