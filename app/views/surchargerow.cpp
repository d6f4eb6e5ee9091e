#include "app/views/surchargerow.h"

#include "app/project/filetables.h"
#include "app/project/programdata.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"

std::vector<TSurchargeRow> TSurchargeRow::rowsOf(const TProgramData& project, double lengthFactor) {
    std::vector<TSurchargeRow> rows;
    if (!project.options.additionalSurcharge) return rows;
    const TGridTable& table = project.tables().table(TableName::SurchargeTable);
    for (int r = 0; r < table.rowCount(); ++r) {
        using namespace SurchargeColumn;
        TSurchargeRow row{table.integer(kLoadType, r), table.real(kMagnitude, r),
                          table.real(kDistance, r) * lengthFactor,
                          table.real(kWidth, r) * lengthFactor};
        if (row.magnitude != 0.0) rows.push_back(row);
    }
    return rows;
}
