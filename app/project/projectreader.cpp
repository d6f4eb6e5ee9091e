#include "app/project/projectreader.h"

#include "app/project/inouterror.h"
#include "app/project/programdata.h"
#include "app/project/soilparameterline.h"
#include "app/project/stagefiles.h"
#include "app/project/tablecells.h"
#include "app/project/textfile.h"
#include "app/project/wordreader.h"
#include "app/tables/gridtable.h"
#include "app/tables/tableerror.h"

namespace {

// Releases before 2015 wrote the unit weight of water where the modification factor belongs.
constexpr double kMisplacedWaterWeight = 0.036;
// Surcharge distances are millimetres in SI units, while the legacy values are metres.
constexpr double kMillimetresPerMetre = 1000.0;

}  // namespace

TProjectReader::TProjectReader(TProgramData& project, TWordReader& words, TFileLayout layout)
    : m_project(project),
      m_tables(TFileTables::of(project.tables())),
      m_words(words),
      m_features(TLayoutFeatures::of(layout)) {}

QString TProjectReader::readProjectFile(TProgramData& project, const QByteArray& content,
                                        TFileLayout layout) {
    return readGuarded(project, content, layout, TBlock::Project);
}

QString TProjectReader::readProjectFile(TProgramData& project, TFileLayout layout) {
    QByteArray content;
    try {
        content = readTextFile(project.files.fileName);
    } catch (const EInOutError& error) {
        finishReading(project);
        return error.message();
    }
    return readProjectFile(project, content, layout);
}

QString TProjectReader::readStageFile(TProgramData& project, const QByteArray& content) {
    return readGuarded(project, content, layoutOfVersionFlags(project.versionFlags), TBlock::Stage);
}

QString TProjectReader::readStageFile(TProgramData& project, const QString& stageFileName) {
    project.files.stageFileName = stageFileName;
    QByteArray content;
    try {
        content = readTextFile(stageFileName);
    } catch (const EInOutError& error) {
        finishReading(project);
        return error.message();
    }
    return readStageFile(project, content);
}

QString TProjectReader::readGuarded(TProgramData& project, const QByteArray& content,
                                    TFileLayout layout, TBlock block) {
    QString message;
    try {
        TWordReader words(content);
        TProjectReader reader(project, words, layout);
        reader.readBlock(block);
        if (block == TBlock::Project && project.options.shortAndLongTerm) {
            reader.readBlock(TBlock::LongTerm);
        }
    } catch (const EInOutError& error) {
        message = error.message();
    } catch (const ETableError& error) {
        // A value that a table refuses ends the reading like a word that is not a number.
        message = error.message();
    }
    finishReading(project);
    return message;
}

void TProjectReader::finishReading(TProgramData& project) {
    TFileTables::of(project.tables()).fillEmptyTables();
    project.SetModified(false);
}

void TProjectReader::readBlock(TBlock block) {
    readTitle(block);
    m_project.SetUnits(m_words.ReadInteger());
    const TControl control = readControl();
    applyControl(control, block);
    readGrid();
    readRows(m_tables.restraints, control.restraintRows, {0, 1, 2, 3});
    readRows(m_tables.stiffness, control.stiffnessRows, {0, 1, 2, 3});
    readLoadsAndSprings(control);
    readRows(m_tables.pyModification, control.pyModificationRows, {0, 1, 2});
    readEarthPressure(control, block);
    if (control.pyCurveSets > 0) readExternalPyCurves(control.pyCurveSets);
    if (control.momentEISets > 0) readMomentEICurves(control.momentEISets);
    readClosingValue(block);
}

void TProjectReader::readTitle(TBlock block) {
    // The title is a record of its own: a line whose words were taken belongs to the record
    // before it.
    if (m_words.ItemsTaken() > 0) (void)m_words.ReadLine();
    const QString title = m_words.ReadLine();
    // Stages 2 and up carry their number instead of the title; the project keeps its title.
    if (block == TBlock::Stage && title.contains(kStageMark)) return;
    m_project.title = title;
}

TProjectReader::TControl TProjectReader::readControl() {
    TControl control;
    control.restraintRows = readCount();
    control.stiffnessRows = readCount();
    control.pyModificationRows = readCount();
    control.earthPressureOption = readOption(kTrapezoidalPressure);
    control.pyOption = readOption(2);
    control.pyCurveSets = readCount();
    if (m_features.stageCount)
        control.stages = std::clamp(m_words.ReadInteger(), 1, StageFiles::kMaxStages);
    if (m_features.momentEI) control.momentEISets = readCount();
    if (m_features.tieback) control.tiebackRows = readCount();
    return control;
}

void TProjectReader::applyControl(const TControl& control, TBlock block) {
    // The long-term block repeats the header of the same project; its earth-pressure option
    // is the generated one whatever the selection, so the switches stay those of block one.
    if (block == TBlock::LongTerm) return;
    TOptionSwitches& options = m_project.options;
    const int earthPressure = control.earthPressureOption;
    options.restraints = control.restraintRows > 0;
    options.pyModification = control.pyModificationRows > 0;
    options.externalPyCurves = control.pyOption == 1 || control.pyCurveSets > 0;
    options.momentEI = control.momentEISets > 0;
    options.tieback = control.tiebackRows > 0;
    options.earthPressure = earthPressure;
    if (block == TBlock::Stage) {
        if (earthPressure == kTriangularPressure) options.generatedPressureMemory = true;
        if (earthPressure == kNoEarthPressure || earthPressure == kUserSpecifiedPressure) {
            options.generatedPressureMemory = false;
        }
    } else if (earthPressure > kUserSpecifiedPressure) {
        options.generatedPressureMemory = true;
    }
    options.generatePyCurves = control.pyOption == 2 && earthPressure != kNoEarthPressure;
    m_project.stages.count = control.stages;
}

void TProjectReader::readGrid() {
    TWallProperties& wall = m_project.wall;
    wall.increments = m_words.ReadInteger();
    wall.incrementLength = m_words.ReadFloat();
    wall.maxDeflection = m_words.ReadFloat();
    wall.closureTolerance = m_words.ReadFloat();
    wall.freeHeight = m_words.ReadFloat();
    // The wall configuration record repeats Wa; without it, this is the only copy the
    // engine's tieback stiffness uses, so it must not be lost.
    if (m_features.tieback) m_project.configuration.activeWidth = m_words.ReadFloat();
}

void TProjectReader::readLoadsAndSprings(const TControl& control) {
    TOptionSwitches& options = m_project.options;
    options.concentratedLoads = readCountedRows(m_tables.concentratedLoads, {0, 1, 2, 3, 4, 5}) > 0;
    options.lateralSprings = readCountedRows(m_tables.springs, {1, 2, 0, 3, 4}) > 0;
    if (m_features.tieback) {
        readRows(m_tables.tiebacks, control.tiebackRows, {0, 1, 2, 3, 4, 5}, TConversion::AsShown);
    }
}

void TProjectReader::readEarthPressure(const TControl& control, TBlock block) {
    const int option = control.earthPressureOption;
    if (option == kUserSpecifiedPressure) {
        (void)readCountedRows(block == TBlock::LongTerm ? m_tables.longTermDistributedLoads
                                                        : m_tables.distributedLoads,
                              {0, 1});
    }
    if (option != kTriangularPressure && option != kTrapezoidalPressure && control.pyOption != 2) {
        return;
    }
    readWallConfiguration();
    if (m_features.surchargeTable) {
        readSurcharges();
    } else if (m_project.configuration.legacy.distanceX > 0) {
        rebuildLegacySurcharges();
    }
    readSoilLayers(block);
}

void TProjectReader::readWallConfiguration() {
    TWallConfiguration& configuration = m_project.configuration;
    m_project.wall.freeHeight = m_words.ReadFloat();
    configuration.activeWidth = m_words.ReadFloat();
    configuration.resistanceWidth = m_words.ReadFloat();
    configuration.waterDepthBackfill = m_words.ReadFloat();
    configuration.waterDepthExcavation = m_words.ReadFloat();
    configuration.activePressureFactor = m_words.ReadFloat();
    if (configuration.activePressureFactor == kMisplacedWaterWeight) {
        configuration.activePressureFactor = 1.0;
    }
    configuration.carriedInteger = m_words.ReadInteger();
    configuration.backfillSlope = m_words.ReadFloat();

    TLegacySurcharge& legacy = configuration.legacy;
    configuration.uniformLoad = m_words.ReadFloat();
    legacy.distanceX = m_words.ReadFloat();
    legacy.pointLoad = m_words.ReadFloat();
    legacy.lineLoad = m_words.ReadFloat();
    legacy.stripLoad = m_words.ReadFloat();
    legacy.stripWidth = m_words.ReadFloat();
}

void TProjectReader::readSurcharges() {
    m_project.options.additionalSurcharge =
        readCountedRows(m_tables.surcharges, {0, 1, 2, 3}, TConversion::AsShown) > 0;
}

void TProjectReader::rebuildLegacySurcharges() {
    const TLegacySurcharge& legacy = m_project.configuration.legacy;
    const double toTableLength = m_project.units() == kSIUnits ? kMillimetresPerMetre : 1.0;
    const double loads[] = {legacy.pointLoad, legacy.lineLoad, legacy.stripLoad};
    TGridTable& surcharges = m_tables.surcharges;
    surcharges.setRowCount(3);
    for (int row = 0; row < 3; ++row) {
        surcharges.setInteger(SurchargeColumn::kLoadType, row, row + 1);
        surcharges.setReal(SurchargeColumn::kMagnitude, row, loads[row]);
        surcharges.setReal(SurchargeColumn::kDistance, row, legacy.distanceX * toTableLength);
        surcharges.setReal(SurchargeColumn::kWidth, row, legacy.stripWidth * toTableLength);
    }
    m_project.options.additionalSurcharge = true;
}

void TProjectReader::readSoilLayers(TBlock block) {
    TGridTable& layers =
        block == TBlock::LongTerm ? m_tables.longTermSoilLayers : m_tables.soilLayers;
    const int count = readCount();
    layers.setRowCount(count);
    double depth = 0.0;
    for (int layer = 0; layer < count; ++layer) {
        const int soilType = readChoice(choiceCount(layers, SoilLayerColumn::kType));
        // The layer gets a fresh parameter table of its soil before the values are stored.
        layers.setInteger(SoilLayerColumn::kType, layer, soilType);
        layers.replaceSubTables(layer);
        if (m_features.layerDepths) {
            depth = shownReal(layers, SoilLayerColumn::kDepth, m_words.ReadFloat(), true);
        } else {
            depth += m_words.ReadFloat();  // thicknesses add up to the depth, as stored
        }
        layers.setReal(SoilLayerColumn::kDepth, layer, depth);
        readLayerParameters(rowTable(layers, SoilLayerColumn::kParameters, layer), soilType);
    }
}

void TProjectReader::readLayerParameters(TGridTable& parameters, int soilType) {
    const TSoilParameterLine& line = TSoilParameterLine::of(soilType);
    const auto readLine = [&](int row, int values) {
        for (int position = 0; position < values; ++position) {
            const int column = line.columns[position];
            if (column == TSoilParameterLine::kUnusedParameter) {
                (void)m_words.NextWord();  // the placeholder
            } else {
                parameters.setReal(column, row,
                                   shownReal(parameters, column, m_words.ReadFloat(), true));
            }
        }
    };
    if (m_features.layerDepths) {
        readLine(0, TSoilParameterLine::kValues);
        readLine(1, TSoilParameterLine::kValues);
        return;
    }
    // The oldest layout has one line for the whole layer and none for weak rock.
    if (soilType == kWeakRock) return;
    readLine(0, TSoilParameterLine::kOldestValues);
    for (const int column : line.columns) {
        if (column == TSoilParameterLine::kUnusedParameter) continue;
        parameters.setReal(column, 1, parameters.real(column, 0));
    }
}

void TProjectReader::readExternalPyCurves(int sets) {
    TGridTable& table = m_tables.pyCurveSets;
    table.setRowCount(sets);
    for (int set = 0; set < sets; ++set) {
        table.setInteger(PyCurveSetColumn::kNode, set, m_words.ReadInteger());
        const int points = readCount();
        double pMultiplier = 1.0;
        double yMultiplier = 1.0;
        if (m_features.pyMultipliers) {
            pMultiplier = m_words.ReadFloat();
            yMultiplier = m_words.ReadFloat();
        }
        table.setReal(PyCurveSetColumn::kPMultiplier, set, pMultiplier);
        table.setReal(PyCurveSetColumn::kYMultiplier, set, yMultiplier);
        readRows(rowTable(table, PyCurveSetColumn::kCurve, set), points, {0, 1},
                 TConversion::AsShown);
    }
}

void TProjectReader::readMomentEICurves(int sets) {
    TGridTable& table = m_tables.momentEISets;
    table.setRowCount(sets);
    for (int set = 0; set < sets; ++set) {
        table.setInteger(MomentEISetColumn::kFromNode, set, m_words.ReadInteger());
        table.setInteger(MomentEISetColumn::kToNode, set, m_words.ReadInteger());
        const int points = readCount();
        readRows(rowTable(table, MomentEISetColumn::kCurve, set), points, {0, 1},
                 TConversion::AsShown);
    }
}

void TProjectReader::readClosingValue(TBlock block) {
    if (!m_features.closingValue) return;
    const int closing = m_words.ReadInteger();
    if (block != TBlock::LongTerm) m_project.options.shortAndLongTerm = closing == kLongTermFollows;
}

void TProjectReader::readRows(TGridTable& table, int rows, std::initializer_list<int> columns,
                              TConversion conversion) {
    const bool convert = conversion == TConversion::FromEngineUnits;
    table.setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        for (const int column : columns) {
            if (table.column(column).classCode() == TColumnClass::Float) {
                table.setReal(column, row, shownReal(table, column, m_words.ReadFloat(), convert));
            } else if (table.column(column).classCode() == TColumnClass::Enum) {
                table.setInteger(column, row, readChoice(choiceCount(table, column)));
            } else {
                table.setInteger(column, row, m_words.ReadInteger());
            }
        }
    }
}

int TProjectReader::readCountedRows(TGridTable& table, std::initializer_list<int> columns,
                                    TConversion conversion) {
    const int rows = readCount();
    readRows(table, rows, columns, conversion);
    return rows;
}

int TProjectReader::readCount() {
    const int count = std::max(m_words.ReadInteger(), 0);
    // Every row of a count starts a line of its own: a count beyond the lines left cannot be
    // met, and would otherwise make tables of that many rows first.
    if (count > m_words.RemainingLines()) {
        throw EInOutError(QStringLiteral("This file either invalid or incomplete."));
    }
    return count;
}

TGridTable& TProjectReader::rowTable(const TGridTable& table, int column, int row) {
    TGridTable* subTable = table.subTable(column, row);
    if (subTable == nullptr) {
        // Only a table definition without the template can cause this; the file is not at fault.
        throw EInOutError(QStringLiteral("The table \"%1\" has no sub-table for row %2.")
                              .arg(table.caption())
                              .arg(row + 1));
    }
    return *subTable;
}

int TProjectReader::readOption(int highest) {
    const int option = m_words.ReadInteger();
    if (option < 0 || option > highest) {
        m_words.FailLastWord(
            QStringLiteral("An option from 0 to %1 was expected but not found.").arg(highest));
    }
    return option;
}

int TProjectReader::readChoice(int choices) {
    const int choice = m_words.ReadInteger();
    if (choice < 1 || choice > choices) {
        m_words.FailLastWord(
            QStringLiteral("A choice from 1 to %1 was expected but not found.").arg(choices));
    }
    return choice;
}
