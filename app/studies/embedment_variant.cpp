#include "app/studies/embedment_variant.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "app/project/filetables.h"
#include "app/project/inouterror.h"
#include "app/studies/opened_copy.h"
#include "app/studies/table_lengths.h"
#include "app/tables/floatcolumn.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/unitstring.h"

namespace keldra::studies {

namespace {

// A table whose rows name wall nodes: a range from one node to another, or
// a single node (`to` < 0).
struct NodeTable {
    QStringView name;
    int from = 0;
    int to = -1;
    bool soil = false;  // rows describe the soil at their node, not something on the wall
};

constexpr NodeTable kNodeTables[] = {
    {TableName::PileSect, 0, 1},      // wall stiffness
    {TableName::SoilLayer, 1, -1},    // specified deflection and slope
    {TableName::BoundCond, 1, 2},     // concentrated loads
    {TableName::SoilStrength, 1, 2},  // lateral and rotational springs
    {TableName::PYCurves2, PyCurveSetColumn::kNode, -1, true},
    {TableName::MEICurves2, MomentEISetColumn::kFromNode, MomentEISetColumn::kToNode},
};

// Tables whose first column is a depth from the top of the wall.
constexpr QStringView kDepthTables[] = {TableName::PYMod, TableName::DistLoad, TableName::LongDist};

constexpr QStringView kSoilTables[] = {TableName::NewSoil, TableName::LongSoil};

void FollowTipNodes(TGridTable& table, const NodeTable& columns, int oldTip, int newTip) {
    const int last = columns.to < 0 ? columns.from : columns.to;
    for (int row = table.rowCount() - 1; row >= 0; --row) {
        const int from = table.integer(columns.from, row);
        // A load, spring or restraint on the tip node moves with the tip. A p-y
        // curve describes the soil at its node: the deepest one moves down to a
        // longer wall's tip, so that the soil below stays covered, and below a
        // shorter wall it is dropped like every row below the tip.
        if (from == oldTip && !(columns.soil && newTip < oldTip)) {
            table.setInteger(columns.from, row, newTip);
        } else if (from > newTip && table.rowCount() > 1) {
            table.deleteRowGroup(row);
            continue;
        }
        const int end = table.integer(last, row);
        if (end == oldTip || end > newTip) table.setInteger(last, row, newTip);
    }
}

// The depths of `table` in the engine's length.
double EngineDepth(const TGridTable& table, int row) {
    return table.real(0, row) * EngineFactor(table, 0);
}

// A depth table ending at the old tip continues with its deepest values down
// to a deeper tip, as the deepest soil layer does; stretching its last
// segment instead would change the profile above the old tip. A table
// reaching below the tip is cut there, its values at the tip interpolated
// between the rows around it, so that the profile along the wall stays. A
// table that begins below the tip is left to the engine: p-y factors below
// the wall never apply, loads below it stop the run with the engine's message.
void FollowTipDepths(TGridTable& table, double oldTip, double newTip) {
    const int last = table.rowCount() - 1;
    if (last < 0) return;
    const double factor = EngineFactor(table, 0);
    const double tolerance = 1e-9 * std::max({1.0, oldTip, newTip});
    if (newTip > oldTip && std::fabs(EngineDepth(table, last) - oldTip) <= tolerance) {
        table.addRowGroup();
        for (int column = 1; column < table.columnCount(); ++column)
            table.setReal(column, last + 1, table.real(column, last));
        table.setReal(0, last + 1, newTip / factor);
        return;
    }
    int below = 0;
    while (below <= last && EngineDepth(table, below) <= newTip + tolerance) ++below;
    if (below == 0 || below > last) return;
    if (EngineDepth(table, below - 1) < newTip - tolerance) {
        const double above = EngineDepth(table, below - 1);
        const double share = (newTip - above) / (EngineDepth(table, below) - above);
        for (int column = 1; column < table.columnCount(); ++column) {
            const double upper = table.real(column, below - 1);
            table.setReal(column, below, upper + share * (table.real(column, below) - upper));
        }
        table.setReal(0, below, newTip / factor);
        ++below;
    }
    while (table.rowCount() > below) table.deleteRowGroup(table.rowCount() - 1);
}

// A tieback holds the wall at its depth: one on the old tip follows the tip,
// one below the new tip would hold no wall. Dropping it would study another
// support system than the one drawn, so that wall is refused instead.
void FollowTipTiebacks(TProgramData& project, int oldTip, int newTip) {
    if (!project.options.tieback) return;
    TGridTable& tiebacks = project.tables().table(TableName::TiebackTable1);
    const double factor = EngineFactor(tiebacks, 0);
    const double length = project.wall.incrementLength;
    for (int row = 0; row < tiebacks.rowCount(); ++row) {
        // The engine puts a tieback on the nearest node.
        const long node = std::lround(EngineDepth(tiebacks, row) / length);
        if (node == oldTip) {
            tiebacks.setReal(0, row, newTip * length / factor);
        } else if (node > newTip) {
            const QString unit = static_cast<const TFloatColumn&>(tiebacks.column(0)).unitLabel();
            const QString stage = project.stages.count > 1
                                      ? QStringLiteral(" of stage %1").arg(project.stages.current)
                                      : QString();
            throw EInOutError(QStringLiteral("the tieback of row %1%2 at %3 %4 lies below the "
                                             "wall's tip at %5 %4")
                                  .arg(row + 1)
                                  .arg(stage)
                                  .arg(tiebacks.real(0, row), 0, 'g', 10)
                                  .arg(unit)
                                  .arg(newTip * length / factor, 0, 'g', 10));
        }
    }
}

// The deepest layer continues down to the tip.
void DeepenSoil(TGridTable& layers, double tip) {
    const int last = layers.rowCount() - 1;
    if (last < 0) return;
    const double factor = EngineFactor(layers, kLayerBottomColumn);
    if (layers.real(kLayerBottomColumn, last) * factor < tip)
        layers.setReal(kLayerBottomColumn, last, tip / factor);
}

void MoveTip(TProgramData& project, int increments) {
    const int oldTip = project.wall.increments;
    const double length = project.wall.incrementLength;
    TProjectTables& tables = project.tables();
    for (const NodeTable& node : kNodeTables)
        FollowTipNodes(tables.table(node.name), node, oldTip, increments);
    for (QStringView name : kDepthTables)
        FollowTipDepths(tables.table(name), oldTip * length, increments * length);
    FollowTipTiebacks(project, oldTip, increments);
    for (QStringView name : kSoilTables) DeepenSoil(tables.table(name), increments * length);
    project.wall.increments = increments;
    project.SetModified(true);
}

}  // namespace

int WallGeometry::IncrementsFor(double embedment) const {
    return static_cast<int>(std::lround((excavation + embedment) / increment_length));
}

QString LengthUnit(int units) { return TUnitString::label(QStringLiteral("L"), units); }

WallGeometry ReadWallGeometry(const QString& project) {
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        throw EInOutError(QStringLiteral("Cannot make a scratch folder to read \"%1\". %2")
                              .arg(project, scratch.errorString()));
    OpenedCopy copy(project, scratch.filePath(QFileInfo(project).fileName()));
    WallGeometry wall;
    copy.forEachStage([&](TProgramData& stage) {
        wall.units = stage.units();
        wall.increments = stage.wall.increments;
        wall.increment_length = stage.wall.incrementLength;
        wall.excavation = stage.wall.freeHeight;
    });
    return wall;
}

void WriteEmbedmentVariant(const QString& source, const QString& target, int increments) {
    OpenedCopy copy(source, target);
    copy.forEachStage([&](TProgramData& stage) { MoveTip(stage, increments); });
    copy.save();
}

}  // namespace keldra::studies
