#include "app/project/projectwriter.h"

#include "app/project/filelayout.h"
#include "app/project/filenumber.h"
#include "app/project/programdata.h"
#include "app/project/recordline.h"
#include "app/project/soilparameterline.h"
#include "app/project/stagefiles.h"
#include "app/project/tablecells.h"
#include "app/project/textfile.h"
#include "app/tables/gridtable.h"

namespace {

const QByteArray kPlaceholder = "0.0  ";
const QByteArray kLineEnd = "\r\n";

}  // namespace

TProjectWriter::TProjectWriter(TProgramData& project)
    : m_project(project), m_tables(TFileTables::of(project.tables())) {}

QByteArray TProjectWriter::projectFile() {
    m_out.clear();
    settleOptions(TBlock::Project);
    writeBlock(TBlock::Project);
    if (m_project.options.shortAndLongTerm) writeBlock(TBlock::LongTerm);
    return m_out;
}

QByteArray TProjectWriter::stageFile() {
    m_out.clear();
    settleOptions(TBlock::Stage);
    writeBlock(TBlock::Stage);
    return m_out;
}

void TProjectWriter::writeProjectFile() {
    writeTextFile(m_project.files.fileName, projectFile());
    m_project.SetModified(false);
}

void TProjectWriter::writeStageFile() {
    m_project.files.stageFileName =
        StageFiles::stageFileName(m_project.files.fileName, m_project.stages.current);
    writeTextFile(m_project.files.stageFileName, stageFile());
    m_project.SetModified(false);
}

void TProjectWriter::settleOptions(TBlock block) {
    const TOptionSwitches& options = m_project.options;
    const std::pair<bool, TGridTable*> optionTables[] = {
        {options.concentratedLoads, &m_tables.concentratedLoads},
        {options.restraints, &m_tables.restraints},
        {options.lateralSprings, &m_tables.springs},
        {options.tieback, &m_tables.tiebacks},
        {options.additionalSurcharge, &m_tables.surcharges},
        {options.pyModification, &m_tables.pyModification},
    };
    for (const auto& [on, table] : optionTables) {
        if (!on) table->setRowCount(0);
    }
    if (!options.externalPyCurves) m_tables.pyCurveSets.setRowCount(0);

    TGridTable& stiffness = m_tables.stiffness;
    if (stiffness.rowCount() > 0) {
        stiffness.setInteger(StiffnessColumn::kChoice, stiffness.rowCount() - 1, 1);
    }

    TSettledOptions& settled = m_project.settled;
    settled.earthPressureOption = earthPressureOption(block);
    settled.pyOption = pyOption();
    settled.momentEISets = options.momentEI ? m_tables.momentEISets.rowCount() : 0;
    settled.tiebackRows = options.tieback ? m_tables.tiebacks.rowCount() : 0;
}

int TProjectWriter::earthPressureOption(TBlock block) const {
    const TOptionSwitches& options = m_project.options;
    if (options.userSpecifiedPressure()) return kUserSpecifiedPressure;
    if (!options.generatePyCurves && !options.generatedPressureMemory) return kNoEarthPressure;
    return block == TBlock::Project ? options.earthPressure : kTriangularPressure;
}

int TProjectWriter::pyOption() const {
    if (m_project.options.generatePyCurves) return 2;
    return m_project.options.externalPyCurves ? 1 : 0;
}

void TProjectWriter::writeBlock(TBlock block) {
    writeTitle(block);
    writeControl(block);
    writeGrid();
    if (m_project.options.restraints) writeRows(m_tables.restraints, {0, 1, 2, 3});
    writeRows(m_tables.stiffness, {0, 1, 2, 3});
    writeLoadsAndSprings();
    if (m_project.options.pyModification) writeRows(m_tables.pyModification, {0, 1, 2});
    writeEarthPressure(block);
    if (m_project.options.externalPyCurves && m_tables.pyCurveSets.rowCount() > 0) {
        writeExternalPyCurves();
    }
    if (m_project.settled.momentEISets > 0) writeMomentEICurves();
    writeClosingValue(block);
}

void TProjectWriter::writeTitle(TBlock block) {
    const int stage = m_project.stages.current;
    if (block == TBlock::Stage && stage >= 2) {
        put(QByteArray(kStageMark.data(), kStageMark.size()) + ' ' + QByteArray::number(stage));
    } else {
        // The title is one line; a line break in it would shift every record after it.
        QString title = m_project.title;
        title.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        put(title.toLatin1());
    }
}

void TProjectWriter::writeControl(TBlock block) {
    const TSettledOptions& settled = m_project.settled;
    put(TRecordLine(m_project.units())
            .sp(m_tables.restraints.rowCount())
            .tab(m_tables.stiffness.rowCount())
            .tab(m_tables.pyModification.rowCount())
            .tab(earthPressureOption(block))
            .tab(settled.pyOption)
            .sp(m_tables.pyCurveSets.rowCount())
            .sp(m_project.stages.count)
            .sp(settled.momentEISets)
            .sp(settled.tiebackRows));
}

void TProjectWriter::writeGrid() {
    const TWallProperties& wall = m_project.wall;
    put(TRecordLine(wall.increments)
            .sp(wall.incrementLength)
            .tab(wall.maxDeflection)
            .tab(wall.closureTolerance)
            .tab(wall.freeHeight)
            .tab(m_project.configuration.activeWidth));
}

void TProjectWriter::writeLoadsAndSprings() {
    writeCountedRows(m_tables.concentratedLoads, {0, 1, 2, 3, 4, 5});
    // Spring rows read from node, to node, choice; the tieback rows follow without a count.
    writeCountedRows(m_tables.springs, {1, 2, 0, 3, 4});
    if (m_project.settled.tiebackRows > 0) {
        writeRows(m_tables.tiebacks, {0, 1, 2, 3, 4, 5}, TConversion::AsShown);
    }
}

void TProjectWriter::writeEarthPressure(TBlock block) {
    const int option = earthPressureOption(block);
    if (option == kUserSpecifiedPressure) {
        writeCountedRows(block == TBlock::LongTerm ? m_tables.longTermDistributedLoads
                                                   : m_tables.distributedLoads,
                         {0, 1});
    }
    if (option != kTriangularPressure && option != kTrapezoidalPressure &&
        m_project.settled.pyOption != 2) {
        return;
    }
    const TWallConfiguration& configuration = m_project.configuration;
    put(TRecordLine::tabbed({m_project.wall.freeHeight, configuration.activeWidth,
                             configuration.resistanceWidth, configuration.waterDepthBackfill,
                             configuration.waterDepthExcavation, configuration.activePressureFactor,
                             configuration.carriedInteger, configuration.backfillSlope}));
    const TLegacySurcharge& legacy = configuration.legacy;
    put(TRecordLine::tabbed({configuration.uniformLoad, legacy.distanceX, legacy.pointLoad,
                             legacy.lineLoad, legacy.stripLoad, legacy.stripWidth}));
    // Surcharge distances are written in the table's units (in / mm), as shown.
    writeCountedRows(m_tables.surcharges, {0, 1, 2, 3}, TConversion::AsShown);
    writeSoilLayers(block);
}

void TProjectWriter::writeSoilLayers(TBlock block) {
    const TGridTable& layers =
        block == TBlock::LongTerm ? m_tables.longTermSoilLayers : m_tables.soilLayers;
    put(TRecordLine(layers.rowCount()));
    for (int layer = 0; layer < layers.rowCount(); ++layer) {
        const int soilType = layers.integer(SoilLayerColumn::kType, layer);
        put(QByteArray::number(soilType) + ' ' +
            fileNumberText(fileReal(layers, SoilLayerColumn::kDepth, layer, true)) + ' ');
        const TGridTable* parameters = layers.subTable(SoilLayerColumn::kParameters, layer);
        const TSoilParameterLine& line = TSoilParameterLine::of(soilType);
        for (int row = 0; row < 2; ++row) {
            QByteArray text;
            for (int position = 0; position < TSoilParameterLine::kValues; ++position) {
                const int column = line.columns[position];
                const bool coefficient =
                    line.endsWithCoefficient && position == TSoilParameterLine::kValues - 1;
                if (column == TSoilParameterLine::kUnusedParameter || parameters == nullptr ||
                    (coefficient && block == TBlock::LongTerm)) {
                    text += kPlaceholder;
                } else {
                    text += fileNumberText(fileReal(*parameters, column, row, true)) + ' ';
                }
            }
            put(text);
        }
    }
}

void TProjectWriter::writeExternalPyCurves() {
    const TGridTable& sets = m_tables.pyCurveSets;
    for (int set = 0; set < sets.rowCount(); ++set) {
        const TGridTable* curve = sets.subTable(PyCurveSetColumn::kCurve, set);
        const int points = curve == nullptr ? 0 : curve->rowCount();
        put(TRecordLine(sets.integer(PyCurveSetColumn::kNode, set))
                .tab(points)
                .tab(sets.real(PyCurveSetColumn::kPMultiplier, set))
                .tab(sets.real(PyCurveSetColumn::kYMultiplier, set)));
        for (int point = 0; point < points; ++point) {
            put(TRecordLine(curve->real(0, point)).tab(curve->real(1, point)));
        }
    }
}

void TProjectWriter::writeMomentEICurves() {
    const TGridTable& sets = m_tables.momentEISets;
    for (int set = 0; set < sets.rowCount(); ++set) {
        const TGridTable* curve = sets.subTable(MomentEISetColumn::kCurve, set);
        const int points = curve == nullptr ? 0 : curve->rowCount();
        put(TRecordLine(sets.integer(MomentEISetColumn::kFromNode, set))
                .tab(sets.integer(MomentEISetColumn::kToNode, set))
                .tab(points));
        for (int point = 0; point < points; ++point) {
            put(TRecordLine(curve->real(0, point)).tab(curve->real(1, point)));
        }
    }
}

void TProjectWriter::writeClosingValue(TBlock block) {
    switch (block) {
        case TBlock::Project:
            put(TRecordLine(m_project.options.shortAndLongTerm ? kLongTermFollows : 0));
            break;
        case TBlock::LongTerm:
            put(TRecordLine(0));
            break;
        case TBlock::Stage:
            put(TRecordLine(m_project.stages.current));
            break;
    }
}

void TProjectWriter::writeRows(const TGridTable& table, std::initializer_list<int> columns,
                               TConversion conversion) {
    const bool convert = conversion == TConversion::ToEngineUnits;
    for (int row = 0; row < table.rowCount(); ++row) {
        QByteArrayList values;
        for (const int column : columns) values.append(fileCellText(table, column, row, convert));
        put(values.join('\t'));
    }
}

void TProjectWriter::writeCountedRows(const TGridTable& table, std::initializer_list<int> columns,
                                      TConversion conversion) {
    put(TRecordLine(table.rowCount()));
    writeRows(table, columns, conversion);
}

void TProjectWriter::put(const TRecordLine& line) { put(line.text()); }

void TProjectWriter::put(const QByteArray& text) { m_out += text + kLineEnd; }
