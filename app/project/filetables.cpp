#include "app/project/filetables.h"

#include "app/tables/formdescription.h"
#include "app/tables/gridtablechart.h"
#include "app/tables/projecttables.h"

TFileTables TFileTables::of(TProjectTables& tables) {
    return {
        tables.table(TableName::PileSect),        tables.table(TableName::SoilLayer),
        tables.table(TableName::BoundCond),       tables.table(TableName::SoilStrength),
        tables.table(TableName::TiebackTable1),   tables.table(TableName::PYMod),
        tables.table(TableName::DistLoad),        tables.table(TableName::LongDist),
        tables.table(TableName::SurchargeTable),  tables.table(TableName::NewSoil),
        tables.table(TableName::LongSoil),        tables.chartTable(TableName::PYCurves2),
        tables.chartTable(TableName::MEICurves2),
    };
}

std::array<TGridTable*, 13> TFileTables::all() const {
    return {&stiffness,   &restraints,     &concentratedLoads,  &springs,
            &tiebacks,    &pyModification, &distributedLoads,   &longTermDistributedLoads,
            &surcharges,  &soilLayers,     &longTermSoilLayers, &pyCurveSets,
            &momentEISets};
}

void TFileTables::fillEmptyTables() const {
    for (TGridTable* table : all()) {
        if (table->rowCount() == 0) table->ensureMinRows();
    }
}
