#include "viewsfixture.h"

#include <gtest/gtest.h>

#include "app/project/projectfiles.h"
#include "app/tables/column.h"
#include "app/tables/columndefinition.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"

void TViewsProject::englishExample(TProgramData& project) {
    project.wall.increments = 40;
    project.wall.incrementLength = 6.0;
    project.wall.freeHeight = 120.0;
    project.configuration.activeWidth = 24.0;
    project.configuration.resistanceWidth = 12.0;
}

void TViewsProject::readExample(const QString& name) {
    const QString path = QStringLiteral(KELDRA_SOURCE_DIR "/examples/") + name;
    ASSERT_EQ(ProjectFiles::open(project, path, TFileLayout::Current), QString());
}

void TViewsProject::setRows(QStringView name, const std::vector<std::vector<double>>& rows) const {
    TGridTable& t = table(name);
    t.setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            const TColumnClass kind = t.column(c).classCode();
            if (kind == TColumnClass::Enum || kind == TColumnClass::Int)
                t.setInteger(c, r, static_cast<int>(rows[r][c]));
            else
                t.setReal(c, r, rows[r][c]);
        }
    }
}

void TViewsProject::setLayers(const std::vector<std::pair<int, double>>& layers) const {
    TGridTable& t = table(TableName::NewSoil);
    t.setRowCount(static_cast<int>(layers.size()));
    for (int r = 0; r < static_cast<int>(layers.size()); ++r) {
        t.setInteger(0, r, layers[r].first);
        t.setReal(1, r, layers[r].second);
    }
}
