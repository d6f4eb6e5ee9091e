#include "app/report/reportinputs.h"

#include "app/project/constructionstages.h"
#include "app/project/programdata.h"
#include "app/tables/column.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"
#include "app/tables/unitstring.h"
#include "app/views/sideviewgeometry.h"

namespace {

QString valueText(double value) { return QString::number(value, 'g', 6); }
QString yesNo(bool on) { return on ? QStringLiteral("Yes") : QStringLiteral("No"); }

QString headingOf(const TColumn& column) {
    QStringList lines;
    for (int i = 0; i < column.titleLineCount(); ++i) lines << column.titleLine(i).trimmed();
    return lines.join(u'\n');
}

// A choice column shows its choice ("Sand"), not its number.
QString cellText(const TColumn& column, int row) {
    const QStringList& choices = column.definition().choices;
    if (column.classCode() == TColumnClass::Enum) {
        const int choice = column.integer(row);
        if (choice >= 1 && choice <= choices.size()) return choices[choice - 1];
    }
    return column.text(row);
}

// A table held in a cell names the row that holds it: "Soil Layers 2: Sand".
QString captionOf(const TGridTable& table) {
    const TGridTable* owner = table.ownerTable();
    if (!owner) return table.caption().trimmed();
    return owner->caption().trimmed() + table.rowNumberChain() + QStringLiteral(": ") +
           table.caption().trimmed();
}

struct TValueRow {
    QString quantity;
    QString value;
    QString unit;
};

TReportTable quantityTable(const QString& caption, const std::vector<TValueRow>& rows) {
    TReportTable table{
        caption,
        {QStringLiteral("Quantity"), QStringLiteral("Value"), QStringLiteral("Unit")},
        {},
        {}};
    for (const TValueRow& row : rows) table.rows.push_back({row.quantity, row.value, row.unit});
    return table;
}

QString unitOf(const char* unitString, int units) {
    return TUnitString::label(QString::fromLatin1(unitString), units);
}

TReportTable wallTable(const TProgramData& p) {
    const int u = p.units();
    const TWallProperties& w = p.wall;
    const double length = w.increments * w.incrementLength;
    return quantityTable(
        QStringLiteral("Wall Properties"),
        {{QStringLiteral("Number of increments"), QString::number(w.increments), {}},
         {QStringLiteral("Increment length"), valueText(w.incrementLength), unitOf("L", u)},
         {QStringLiteral("Wall length"), valueText(length), unitOf("L", u)},
         {QStringLiteral("Free height H"), valueText(w.freeHeight), unitOf("L", u)},
         {QStringLiteral("Embedment"), valueText(length - w.freeHeight), unitOf("L", u)},
         {QStringLiteral("Maximum allowable deflection"), valueText(w.maxDeflection),
          unitOf("L", u)},
         {QStringLiteral("Closure tolerance"), valueText(w.closureTolerance), unitOf("L", u)}});
}

TReportTable configurationTable(const TProgramData& p) {
    const int u = p.units();
    const TWallConfiguration& c = p.configuration;
    return quantityTable(
        QStringLiteral("Wall Configuration"),
        {{QStringLiteral("Width for active earth pressure Wa"), valueText(c.activeWidth),
          unitOf("L", u)},
         {QStringLiteral("Width for p-y resistance Wp"), valueText(c.resistanceWidth),
          unitOf("L", u)},
         {QStringLiteral("Water depth, backfill side"), valueText(c.waterDepthBackfill),
          unitOf("L", u)},
         {QStringLiteral("Water depth, excavation side"), valueText(c.waterDepthExcavation),
          unitOf("L", u)},
         {QStringLiteral("Modification factor for active earth pressure"),
          valueText(c.activePressureFactor),
          {}},
         {QStringLiteral("Backfill slope Beta"), valueText(c.backfillSlope), QStringLiteral("deg")},
         {QStringLiteral("Uniform surcharge on the backfill"), valueText(c.uniformLoad),
          unitOf("F/L^2", u)}});
}

QString earthPressureName(int selection) {
    switch (selection) {
        case kUserSpecifiedPressure:
            return QStringLiteral("User-specified");
        case kTriangularPressure:
            return QStringLiteral("Triangular (generated)");
        case kTrapezoidalPressure:
            return QStringLiteral("Trapezoidal (generated)");
        default:
            return QStringLiteral("None");
    }
}

TReportTable optionsTable(const TProgramData& p) {
    const TOptionSwitches& o = p.options;
    TReportTable table{
        QStringLiteral("Options"), {QStringLiteral("Option"), QStringLiteral("Setting")}, {}, {}};
    const auto add = [&table](const char* name, const QString& value) {
        table.rows.push_back({QString::fromLatin1(name), value});
    };
    add("Units", UnitSystemName(p.units()));
    add("Earth pressure", earthPressureName(o.earthPressure));
    add("Generated p-y curves", yesNo(o.generatePyCurves));
    add("User-specified p-y curves", yesNo(o.externalPyCurves));
    add("Concentrated loads", yesNo(o.concentratedLoads));
    add("Tiebacks", yesNo(o.tieback));
    add("Restraints on deflection or slope", yesNo(o.restraints));
    add("Lateral springs and rotational restraints", yesNo(o.lateralSprings));
    add("p-y modification factors", yesNo(o.pyModification));
    add("Additional surcharge loads", yesNo(o.additionalSurcharge));
    add("Nonlinear moment vs EI curves", yesNo(o.momentEI));
    add("Short-term and long-term analyses", yesNo(o.shortAndLongTerm));
    return table;
}

// The project's tables that this stage's options put to use, in the order of the input.
std::vector<QStringView> tablesInUse(const TProgramData& p) {
    const TOptionSwitches& o = p.options;
    std::vector<QStringView> names{TableName::PileSect, TableName::NewSoil};
    if (o.shortAndLongTerm) names.push_back(TableName::LongSoil);
    if (o.userSpecifiedPressure()) names.push_back(TableName::DistLoad);
    if (o.userSpecifiedPressure() && o.shortAndLongTerm) names.push_back(TableName::LongDist);
    if (o.additionalSurcharge) names.push_back(TableName::SurchargeTable);
    if (o.concentratedLoads) names.push_back(TableName::BoundCond);
    if (o.lateralSprings) names.push_back(TableName::SoilStrength);
    if (o.restraints) names.push_back(TableName::SoilLayer);
    if (o.tieback) names.push_back(TableName::TiebackTable1);
    if (o.momentEI) names.push_back(TableName::MEICurves2);
    if (o.pyModification) names.push_back(TableName::PYMod);
    if (o.externalPyCurves) names.push_back(TableName::PYCurves2);
    return names;
}

TStageInputs stageInputs(const TProgramData& project, QSize profileArea) {
    TStageInputs stage;
    stage.tables.push_back(wallTable(project));
    stage.tables.push_back(configurationTable(project));
    for (QStringView name : tablesInUse(project)) {
        if (const TGridTable* table = project.tables().find(name)) {
            std::vector<TReportTable> tables = TablesOf(*table);
            stage.tables.insert(stage.tables.end(), tables.begin(), tables.end());
        }
    }
    stage.tables.push_back(optionsTable(project));
    TSideViewGeometry geometry;
    geometry.activate(project);
    stage.profile = geometry.paperDrawing(project, profileArea);
    return stage;
}

}  // namespace

QString UnitSystemName(int units) {
    switch (units) {
        case kSIUnits:
            return QStringLiteral("SI");
        case kGenericUnits:
            return QStringLiteral("Generic");
        default:
            return QStringLiteral("English");
    }
}

std::vector<TReportTable> TablesOf(const TGridTable& table) {
    TReportTable own{captionOf(table), {QStringLiteral("Row")}, {}, {}};
    std::vector<const TColumn*> shown;
    std::vector<int> held;  // columns whose cells hold tables
    for (int c = 0; c < table.columnCount(); ++c) {
        const TColumn& column = table.column(c);
        if (column.classCode() == TColumnClass::Table) {
            held.push_back(c);
        } else if (column.isVisible()) {
            shown.push_back(&column);
            own.headings << headingOf(column);
        }
    }
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells{QString::number(row + 1)};
        for (const TColumn* column : shown) cells << cellText(*column, row);
        own.rows.push_back(cells);
    }
    std::vector<TReportTable> tables;
    if (!shown.empty()) tables.push_back(own);
    for (int row = 0; row < table.rowCount(); ++row)
        for (int c : held)
            if (const TGridTable* inner = table.subTable(c, row)) {
                std::vector<TReportTable> more = TablesOf(*inner);
                tables.insert(tables.end(), more.begin(), more.end());
            }
    return tables;
}

std::vector<TStageInputs> CollectStageInputs(TProgramData& project, QSize profileArea) {
    const int count = project.stages.count;
    if (count <= 1) {
        std::vector<TStageInputs> stages{stageInputs(project, profileArea)};
        stages.front().label = QStringLiteral("Analysis");
        return stages;
    }
    const TStageCounts counts = project.stages;
    const bool modified = project.IsModified();
    std::vector<TStageInputs> stages;
    for (int s = 1; s <= count; ++s) {
        const QString message = ConstructionStages::readStage(project, s);
        project.stages = counts;
        stages.push_back(stageInputs(project, profileArea));
        stages.back().label = QStringLiteral("Stage %1").arg(s);
        if (!message.isEmpty()) stages.back().messages << message;
    }
    (void)ConstructionStages::readStage(project, counts.current);
    project.stages = counts;
    project.SetModified(modified);
    return stages;
}
