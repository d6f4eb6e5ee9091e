#include "app/project/programdata.h"

#include <gtest/gtest.h>

#include "app/project/filetables.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"

namespace {

TEST(ProgramData, NewProjectDefaults) {
    TProjectTables tables;
    const TProgramData project(tables);
    EXPECT_EQ(project.files.fileName, "NewWall.kd5d");
    EXPECT_EQ(project.title, "New Wall");
    EXPECT_EQ(project.units(), kEnglishUnits);
    EXPECT_EQ(project.wall.increments, 0);
    EXPECT_EQ(project.wall.closureTolerance, 0.00001);
    EXPECT_EQ(project.wall.maxDeflection, 100.0);
    EXPECT_EQ(project.configuration.activePressureFactor, 1.0);
    EXPECT_EQ(project.configuration.carriedInteger, 1);
    EXPECT_EQ(project.options.earthPressure, kTriangularPressure);
    EXPECT_TRUE(project.options.generatePyCurves);
    EXPECT_FALSE(project.options.concentratedLoads || project.options.tieback ||
                 project.options.restraints || project.options.externalPyCurves ||
                 project.options.lateralSprings || project.options.pyModification ||
                 project.options.additionalSurcharge || project.options.momentEI ||
                 project.options.shortAndLongTerm || project.options.generatedPressureMemory);
    EXPECT_EQ(project.stages.count, 1);
    EXPECT_EQ(project.stages.current, 1);
    EXPECT_FALSE(project.IsModified());
}

TEST(ProgramData, NewProjectRefillsTheTablesWithDefaultRows) {
    TProjectTables tables;
    TFileTables file = TFileTables::of(tables);
    file.concentratedLoads.setRowCount(5);
    file.pyModification.setReal(1, 0, 7.0);
    const TProgramData project(tables);
    EXPECT_EQ(file.concentratedLoads.rowCount(), 1);
    EXPECT_EQ(file.pyModification.real(1, 0), 1.0);
    EXPECT_FALSE(project.IsModified());
}

TEST(ProgramData, EnglishToSIAndBack) {
    TProjectTables tables;
    TProgramData project(tables);
    project.wall.freeHeight = 120;
    project.configuration.uniformLoad = 1;
    project.configuration.legacy = {10, 100, 10, 1, 5};
    project.SetUnits(kSIUnits);
    EXPECT_EQ(project.units(), kSIUnits);
    EXPECT_DOUBLE_EQ(project.wall.freeHeight, 3.048);
    EXPECT_NEAR(project.configuration.uniformLoad, 6.8947586, 5e-8);
    EXPECT_DOUBLE_EQ(project.wall.maxDeflection, 2.54);
    EXPECT_DOUBLE_EQ(project.configuration.legacy.distanceX, 0.254);
    EXPECT_DOUBLE_EQ(project.configuration.legacy.pointLoad, 0.4448222468060651);
    EXPECT_DOUBLE_EQ(project.configuration.legacy.lineLoad, 10 * 0.004448222468060651 / 0.0254);
    EXPECT_DOUBLE_EQ(project.configuration.legacy.stripWidth, 0.127);
    project.SetUnits(kEnglishUnits);
    EXPECT_NEAR(project.wall.freeHeight, 120.0000648, 1e-9);
}

TEST(ProgramData, GenericUnitsAndTheSameSystemConvertNothing) {
    TProjectTables tables;
    TProgramData project(tables);
    project.wall.freeHeight = 120;
    TGridTable& layers = TFileTables::of(tables).soilLayers;
    layers.setReal(1, 0, 10.0);
    for (const int units : {3, 1, 1, 7}) {
        project.SetUnits(units);
        EXPECT_EQ(project.wall.freeHeight, 120.0);
        EXPECT_EQ(layers.real(1, 0), 10.0);
    }
    EXPECT_EQ(project.units(), kGenericUnits);  // 7 is clamped to 3
}

TEST(ProgramData, SurchargeMagnitudesConvertByLoadType) {
    TProjectTables tables;
    TProgramData project(tables);
    TGridTable& surcharges = TFileTables::of(tables).surcharges;
    surcharges.setRowCount(3);
    for (int row = 0; row < 3; ++row) {
        surcharges.setInteger(SurchargeColumn::kLoadType, row, row + 1);
        surcharges.setReal(SurchargeColumn::kMagnitude, row, 100.0);
        surcharges.setReal(SurchargeColumn::kDistance, row, 10.0);
    }
    project.SetUnits(kSIUnits);
    const double b = 0.0254;
    const double c = 0.004448222468060651;
    EXPECT_DOUBLE_EQ(surcharges.real(SurchargeColumn::kMagnitude, 0), 100 * c);
    EXPECT_DOUBLE_EQ(surcharges.real(SurchargeColumn::kMagnitude, 1), 100 * c / b);
    EXPECT_DOUBLE_EQ(surcharges.real(SurchargeColumn::kMagnitude, 2), 100 * c / (b * b));
    // The distance column converts by its own unit (in -> mm).
    EXPECT_NEAR(surcharges.real(SurchargeColumn::kDistance, 0), 254.0, 1e-6);
}

TEST(ProgramData, ModifiedStateCoversTheProjectAndEveryTable) {
    TProjectTables tables;
    TProgramData project(tables);
    TGridTable& springs = TFileTables::of(tables).springs;
    springs.setReal(3, 0, 5.0);
    EXPECT_TRUE(project.IsModified());
    project.SetModified(false);
    EXPECT_FALSE(project.IsModified());
    EXPECT_FALSE(springs.isModified());
    project.SetModified(true);
    EXPECT_TRUE(project.IsModified());
    EXPECT_FALSE(springs.isModified());
}

}  // namespace
