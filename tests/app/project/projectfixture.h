#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <ostream>

#include "app/project/filetables.h"
#include "app/project/programdata.h"
#include "app/project/soilparameterline.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"

// Test helpers shared by the project file tests (header only: the test build takes *_test.cpp).

// Readable failures for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A project over its own set of main-window tables, with helpers to fill them.
struct TProjectFixture {
    TProjectTables tables;
    TProgramData project{tables};
    TFileTables file = TFileTables::of(tables);

    // Every option on and every table filled with values that exercise the number format.
    void fillEveryTable();
    // Sets the soil type of a layer (which replaces its parameter table) and the parameters
    // of both rows; the bottom row adds `increase` to every value.
    void setLayer(TGridTable& layers, int layer, int soilType, double depth,
                  std::initializer_list<double> top, double increase);
};

inline void TProjectFixture::setLayer(TGridTable& layers, int layer, int soilType, double depth,
                                      std::initializer_list<double> top, double increase) {
    layers.setInteger(SoilLayerColumn::kType, layer, soilType);
    layers.setReal(SoilLayerColumn::kDepth, layer, depth);
    TGridTable& parameters = *layers.subTable(SoilLayerColumn::kParameters, layer);
    int column = 0;
    for (const double value : top) {
        parameters.setReal(column, 0, value);
        parameters.setReal(column, 1, value + increase);
        ++column;
    }
}

inline void TProjectFixture::fillEveryTable() {
    TOptionSwitches& options = project.options;
    options.concentratedLoads = options.tieback = options.restraints = true;
    options.externalPyCurves = options.lateralSprings = options.pyModification = true;
    options.additionalSurcharge = options.momentEI = true;

    project.title = "Anchored wall, every table";
    project.wall = {60, 2.5, 12.75, 0.00025, 96};
    TWallConfiguration& configuration = project.configuration;
    configuration.activeWidth = 48;
    configuration.resistanceWidth = 18.5;
    configuration.waterDepthBackfill = 36;
    configuration.waterDepthExcavation = 120.125;
    configuration.activePressureFactor = 1.25;
    configuration.backfillSlope = -12.5;
    configuration.uniformLoad = 0.6944444444;
    configuration.carriedInteger = 3;
    configuration.legacy = {1.5, 2.5, 3.5, 4.5, 5.5};

    file.restraints.setRowCount(2);
    file.restraints.setInteger(0, 1, 2);
    file.restraints.setInteger(1, 0, 0);
    file.restraints.setInteger(1, 1, 60);
    file.restraints.setReal(2, 0, 0.001);
    file.restraints.setReal(3, 1, -0.0000125);

    file.stiffness.setRowCount(3);
    const double stiffness[] = {2.9e9, 1.23456789e9, 350000000};
    for (int row = 0; row < 3; ++row) {
        file.stiffness.setInteger(0, row, row * 20);
        file.stiffness.setInteger(1, row, row * 20 + 20);
        file.stiffness.setInteger(2, row, 2);
        file.stiffness.setReal(3, row, stiffness[row]);
    }

    file.concentratedLoads.setRowCount(2);
    file.concentratedLoads.setInteger(0, 0, 2);
    file.concentratedLoads.setInteger(1, 0, 4);
    file.concentratedLoads.setInteger(2, 0, 8);
    file.concentratedLoads.setReal(3, 0, 1500);
    file.concentratedLoads.setReal(4, 0, -25000.5);
    file.concentratedLoads.setInteger(1, 1, 10);
    file.concentratedLoads.setInteger(2, 1, 12);
    file.concentratedLoads.setReal(5, 1, 1e-7);

    file.springs.setRowCount(2);
    file.springs.setInteger(1, 0, 10);
    file.springs.setInteger(2, 0, 12);
    file.springs.setInteger(1, 1, 20);
    file.springs.setInteger(2, 1, 20);
    file.springs.setReal(3, 0, 2000.5);
    file.springs.setReal(4, 1, 123456789012.0);

    file.tiebacks.setRowCount(2);
    for (int row = 0; row < 2; ++row) {
        const double values[] = {8.0 + row * 2, 1.25, 29000000, 15.5, 15, 8};
        for (int column = 0; column < 6; ++column)
            file.tiebacks.setReal(column, row, values[column]);
    }

    file.pyModification.setRowCount(3);
    for (int row = 0; row < 3; ++row) {
        file.pyModification.setReal(0, row, row * 4.5);
        file.pyModification.setReal(1, row, 1.0 - row * 0.125);
        file.pyModification.setReal(2, row, 1.0 + row * 0.05);
    }

    for (TGridTable* loads : {&file.distributedLoads, &file.longTermDistributedLoads}) {
        loads->setRowCount(3);
        for (int row = 0; row < 3; ++row) {
            loads->setReal(0, row, row * 3.25);
            loads->setReal(1, row, 100.0 * row + (loads == &file.distributedLoads ? 7 : 9));
        }
    }

    file.surcharges.setRowCount(3);
    for (int row = 0; row < 3; ++row) {
        file.surcharges.setInteger(SurchargeColumn::kLoadType, row, row + 1);
        file.surcharges.setReal(SurchargeColumn::kMagnitude, row, 1000.0 / (row + 1));
        file.surcharges.setReal(SurchargeColumn::kDistance, row, 36 + row);
        file.surcharges.setReal(SurchargeColumn::kWidth, row, row == 2 ? 24 : 0);
    }

    file.soilLayers.setRowCount(4);
    setLayer(file.soilLayers, 0, kSand, 10, {110, 32, 25, 0.35}, 5);
    setLayer(file.soilLayers, 1, kSilt, 20.5, {115, 28, 300, 0.007, 100, 0}, 1);
    setLayer(file.soilLayers, 2, kStiffClayWithFreeWater, 30, {120, 2000, 0.005, 500, 0.6}, 2);
    setLayer(file.soilLayers, 3, kWeakRock, 45, {140, 1000, 0.0005, 200000, 45}, 10);
    file.longTermSoilLayers.setRowCount(2);
    setLayer(file.longTermSoilLayers, 0, kSoftClay, 15, {105, 500, 0.02, 30, 0}, 0.5);
    setLayer(file.longTermSoilLayers, 1, kStrongRock, 40, {150, 5000}, 100);

    file.pyCurveSets.setRowCount(2);
    for (int set = 0; set < 2; ++set) {
        file.pyCurveSets.setInteger(PyCurveSetColumn::kNode, set, 30 + set * 5);
        file.pyCurveSets.setReal(PyCurveSetColumn::kPMultiplier, set, 0.8 + set);
        file.pyCurveSets.setReal(PyCurveSetColumn::kYMultiplier, set, 1.2);
        TGridTable& curve = *file.pyCurveSets.subTable(PyCurveSetColumn::kCurve, set);
        curve.setRowCount(4);
        const double y[] = {-0.5, -0.05, 0.05, 0.5};
        for (int point = 0; point < 4; ++point) {
            curve.setReal(0, point, y[point]);
            curve.setReal(1, point, -y[point] * 2000 * (set + 1));
        }
    }

    file.momentEISets.setRowCount(1);
    file.momentEISets.setInteger(MomentEISetColumn::kFromNode, 0, 0);
    file.momentEISets.setInteger(MomentEISetColumn::kToNode, 0, 60);
    TGridTable& curve = *file.momentEISets.subTable(MomentEISetColumn::kCurve, 0);
    curve.setRowCount(3);
    for (int point = 0; point < 3; ++point) {
        curve.setReal(0, point, point * 1.5e6);
        curve.setReal(1, point, 2.9e9 - point * 4e8);
    }
}

inline QByteArray fixtureFile(const char* name) {
    QFile file(QStringLiteral(KELDRA_SOURCE_DIR "/tests/app/project/data/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline QStringList crlfLines(const QByteArray& text) {
    QStringList lines = QString::fromLatin1(text).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}
