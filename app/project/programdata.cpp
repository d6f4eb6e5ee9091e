#include "app/project/programdata.h"

#include "app/project/filetables.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"

TProgramData::TProgramData(TProjectTables& tables) : m_tables(tables) {
    m_tables.reset(m_units);
    SetModified(false);
}

void TProgramData::SetUnits(int units) {
    units = clampedUnitSystem(units);
    const TUnitSwitch factors = TUnitSwitch::between(m_units, units);
    convertScalars(factors);
    m_units = units;
    m_tables.setUnitSystem(units);
    convertSurchargeMagnitudes(factors);
}

void TProgramData::convertSurchargeMagnitudes(const TUnitSwitch& factors) {
    TGridTable& surcharges = TFileTables::of(m_tables).surcharges;
    for (int row = 0; row < surcharges.rowCount(); ++row) {
        const double magnitude = surcharges.real(SurchargeColumn::kMagnitude, row);
        double converted = magnitude;
        switch (surcharges.integer(SurchargeColumn::kLoadType, row)) {
            case kPointLoad:
                converted = factors.convertForce(magnitude);
                break;
            case kLineLoad:
                converted = factors.convertForcePerLength(magnitude);
                break;
            case kStripLoad:
                converted = factors.convertForcePerArea(magnitude);
                break;
        }
        surcharges.setReal(SurchargeColumn::kMagnitude, row, converted);
    }
}

void TProgramData::convertScalars(const TUnitSwitch& factors) {
    for (double* length :
         {&wall.incrementLength, &wall.maxDeflection, &wall.closureTolerance, &wall.freeHeight,
          &configuration.activeWidth, &configuration.resistanceWidth,
          &configuration.waterDepthBackfill, &configuration.waterDepthExcavation,
          &configuration.legacy.distanceX, &configuration.legacy.stripWidth}) {
        *length = factors.convertLength(*length);
    }
    configuration.uniformLoad = factors.convertForcePerArea(configuration.uniformLoad);
    configuration.legacy.stripLoad = factors.convertForcePerArea(configuration.legacy.stripLoad);
    configuration.legacy.pointLoad = factors.convertForce(configuration.legacy.pointLoad);
    configuration.legacy.lineLoad = factors.convertForcePerLength(configuration.legacy.lineLoad);
}

bool TProgramData::IsModified() const { return m_modified || m_tables.isModified(); }

void TProgramData::SetModified(bool modified) {
    m_modified = modified;
    if (!modified) m_tables.setModified(false);
}
