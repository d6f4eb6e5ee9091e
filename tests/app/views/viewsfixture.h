#pragma once

#include <QString>

#include "app/project/programdata.h"
#include "app/tables/projecttables.h"

class TGridTable;

// A project with its tables, as the main window holds them.
struct TViewsProject {
    TProjectTables tables;
    TProgramData project{tables};

    // The English-unit example wall: 40 increments of 6 in, Wa = 24 in, Wp = 12 in, H = 10 ft.
    static void englishExample(TProgramData& project);
    // Reads a project data file of examples/.
    void readExample(const QString& name);
    [[nodiscard]] TGridTable& table(QStringView name) const { return tables.table(name); }
    // Sets the rows of `name` to `rows`, each a list of cell values by column.
    void setRows(QStringView name, const std::vector<std::vector<double>>& rows) const;
    // A soil layer: type, bottom depth and the bottom row of its parameter table.
    void setLayers(const std::vector<std::pair<int, double>>& layers) const;
};
