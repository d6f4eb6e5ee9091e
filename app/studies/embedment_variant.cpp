#include "app/studies/embedment_variant.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>

#include "app/project/inouterror.h"
#include "app/studies/opened_copy.h"
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
};

constexpr NodeTable kNodeTables[] = {
    {TableName::PileSect, 0, 1},      // wall stiffness
    {TableName::SoilLayer, 1, -1},    // specified deflection and slope
    {TableName::BoundCond, 1, 2},     // concentrated loads
    {TableName::SoilStrength, 1, 2},  // lateral and rotational springs
};

// Tables whose first column is a depth from the top of the wall.
constexpr QStringView kDepthTables[] = {TableName::PYMod, TableName::DistLoad, TableName::LongDist};

constexpr QStringView kSoilTables[] = {TableName::NewSoil, TableName::LongSoil};
constexpr int kLayerBottomColumn = 1;

void FollowTipNodes(TGridTable& table, const NodeTable& columns, int oldTip, int newTip) {
    const int last = columns.to < 0 ? columns.from : columns.to;
    for (int row = table.rowCount() - 1; row >= 0; --row) {
        if (table.integer(columns.from, row) > newTip && table.rowCount() > 1) {
            table.deleteRowGroup(row);
            continue;
        }
        // A row that begins at the tip (a load or spring on the tip node) stays there.
        if (table.integer(columns.from, row) == oldTip) table.setInteger(columns.from, row, newTip);
        const int end = table.integer(last, row);
        if (end == oldTip || end > newTip) table.setInteger(last, row, newTip);
    }
}

// In the engine's length (in, m): the file writer multiplies by the column's factor.
double EngineFactor(const TGridTable& table, int column) {
    return static_cast<const TFloatColumn&>(table.column(column)).engineFactor();
}

void FollowTipDepths(TGridTable& table, double oldTip, double newTip) {
    const double factor = EngineFactor(table, 0);
    const double tolerance = 1e-9 * std::max(1.0, oldTip);
    for (int row = table.rowCount() - 1; row >= 0; --row) {
        const double depth = table.real(0, row) * factor;
        const bool deepest = row == table.rowCount() - 1;
        if (deepest && std::fabs(depth - oldTip) <= tolerance) {
            table.setReal(0, row, newTip / factor);
        } else if (depth > newTip && table.rowCount() > 1) {
            table.deleteRowGroup(row);
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
