#include "app/tables/formdescription.h"

// The definitions below name only the fields that differ from the defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include <limits>

#include "app/tables/gridtable.h"
#include "app/tables/gridtablechart.h"

namespace {

using Column = TColumnDefinition;

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kNodeMax = 2147483600;

const QString kInterpolationNote = QStringLiteral(
    "Linear interpolation (when selected) is performed from START node of previous line to END "
    "node of the following line.");

const QString kEarthPressureCoefficientNote = QStringLiteral(
    "The user may optionally enter an earth pressure coefficient for generating \r"
    "lateral earth pressure that is equal to the vertical soil pressure multiplied \r"
    "by this user-specified coefficient. If the user does not intend to use this option, \r"
    "please leave the optional earth pressure coefficient as zero and the program will \r"
    "use the active earth pressure coefficient calculated internally.");

const QStringList kInterpolationChoices{
    QStringLiteral("Use Constant Values for all Nodes on this Line"),
    QStringLiteral("Linear Interpolate to End Node of Next Line")};

QStringList soilTypes(const QString& stiffClayWithWater) {
    return {QStringLiteral("Soft Clay"),
            stiffClayWithWater,
            QStringLiteral("Stiff Clay w/o Free Water"),
            QStringLiteral("Sand"),
            QStringLiteral("Silt (c-phi soil)"),
            QStringLiteral("Strong Rock"),
            QStringLiteral("Weak Rock")};
}

// Soil-layer parameter templates, one per soil type.
const QList<int> kSoilParameterTemplates{18, 18, 18, 17, 29, 30, 31};

std::vector<Column> soilLayerColumns(const QString& stiffClayWithWater) {
    return {Column::choice({QStringLiteral("Soil "), QStringLiteral("Type")},
                           soilTypes(stiffClayWithWater)),
            Column::real({QStringLiteral("Depth at Bottom"), QStringLiteral("of the Layer,")},
                         QStringLiteral("L2")),
            Column::table({QStringLiteral("Edit Soil"), QStringLiteral("Parameters")},
                          kSoilParameterTemplates)};
}

Column unitWeight(const QString& firstLine = QStringLiteral("Total Unit")) {
    return Column::real({firstLine, QStringLiteral("Weight,")}, QStringLiteral("F/L2^3"));
}
Column cohesion() {
    return Column::real({QStringLiteral("Cohesive"), QStringLiteral("Strength,")},
                        QStringLiteral("F/L2^2"));
}
Column frictionAngle() {
    return Column::real({QStringLiteral("Friction"), QStringLiteral("Angle, deg.")});
}
Column earthPressureCoefficient() {
    return Column::real({QStringLiteral("Optional Earth"), QStringLiteral("Pressure Coefficient")});
}
Column compressiveStrength() {
    return Column::real({QStringLiteral("Uniaxial Compressive"), QStringLiteral("Strength,")},
                        QStringLiteral("F/L^2"));
}

TGraphicParameters curveOfFirstTwoColumns() {
    TGraphicParameters graphic;
    graphic.showGraph = true;
    graphic.xColumn = 0;
    graphic.yColumn = 1;
    return graphic;
}

std::vector<TTableDefinition> makeTables() {
    std::vector<TTableDefinition> tables;
    tables.push_back({
        .name = QStringLiteral("PileSect"),
        .identifier = 15,
        .caption = QStringLiteral("Wall Stiffness"),
        .minRows = 1,
        .maxRows = 10,
        .topLeft = QStringLiteral("Section"),
        .columns =
            {
                Column::integer({QStringLiteral("From Node No. (Start)")}, 0, 0, kNodeMax),
                Column::integer({QStringLiteral("To Node No. (End)")}, 1, 0, kIntMax),
                Column::choice({QStringLiteral("Constant or Interpolate?          ")},
                               {QStringLiteral("Use Constant Value for all Nodes on this Line"),
                                QStringLiteral("Linear Interpolate to End Node of Next Line")}),
                Column::real({QStringLiteral("Flexural Stiffness (EI)")}, QStringLiteral("F-L^2")),
            },
        .comments = QStringLiteral("The nodal number at the top of the wall is set to be 0.\r"
                                   "Values of Flexural Stiffness (EI) must be specified for all "
                                   "nodes of the wall.\r") +
                    kInterpolationNote,
    });
    tables.push_back({
        .name = QStringLiteral("SoilLayer"),
        .identifier = 0,
        .caption = QStringLiteral("Specify Deflection and Slope on Wall"),
        .minRows = 1,
        .maxRows = 10,
        .topLeft = QStringLiteral("No"),
        .columns =
            {
                Column::choice(
                    {QStringLiteral("Case          ")},
                    {QStringLiteral("Specify Deflection"), QStringLiteral("Specify Slope")}),
                Column::integer({QStringLiteral("Nodal No.")}, 0, 0, kNodeMax),
                Column::real({QStringLiteral("Deflection")}, QStringLiteral("L")),
                Column::real({QStringLiteral("Slope")}),
            },
    });
    tables.push_back({
        .name = QStringLiteral("BoundCond"),
        .identifier = 123,
        .caption = QStringLiteral("Concentrated Loads on Wall"),
        .minRows = 1,
        .maxRows = 20,
        .columns =
            {
                Column::choice({QStringLiteral("Constant or Interpolate?")}, kInterpolationChoices),
                Column::integer({QStringLiteral("From Node No."), QStringLiteral("(Start)")}, 0, 0,
                                kNodeMax),
                Column::integer({QStringLiteral("To Node No."), QStringLiteral("(End)")}, 1, 0,
                                kIntMax),
                Column::real({QStringLiteral("Lateral Load")}, QStringLiteral("F")),
                Column::real({QStringLiteral("Moment")}, QStringLiteral("F-L")),
                Column::real({QStringLiteral("Axial Load")}, QStringLiteral("F")),
            },
        .comments = QStringLiteral("The concentrated loads are applied at nodal points only "
                                   "(including the specified START and END nodes).\r") +
                    kInterpolationNote,
    });
    tables.push_back({
        .name = QStringLiteral("SoilStrength"),
        .identifier = 4,
        .caption = QStringLiteral("Lateral Spring and Rotation Spring"),
        .minRows = 1,
        .maxRows = 20,
        .topLeft = QStringLiteral("Point"),
        .columns =
            {
                Column::choice({QStringLiteral("Constant or Interpolate?")},
                               {QStringLiteral("Use Constant Values for all Nodes on this Line  "),
                                QStringLiteral("Linear Interpolate to End Node of Next Line")}),
                Column::integer({QStringLiteral("From Node No."), QStringLiteral("     (Start)")},
                                0, 0, kIntMax),
                Column::integer({QStringLiteral("To Node No."), QStringLiteral("   (End)")}, 0,
                                kIntMin, kIntMax),
                Column::real({QStringLiteral("Lateral Spring"), QStringLiteral("Stiffness")},
                             QStringLiteral("F/L")),
                Column::real({QStringLiteral("Rotational Spr."), QStringLiteral("Stiff.")},
                             QStringLiteral("F-L/RAD.")),
            },
        .comments = QStringLiteral("The spring stiffnesses are applied at nodal points only "
                                   "(including the specified START and END nodes).\r") +
                    kInterpolationNote,
        .helpPicture = QStringLiteral("Tieback"),
    });
    tables.push_back({
        .name = QStringLiteral("TiebackTable1"),
        .identifier = 77,
        .caption = QStringLiteral("Tieback (ground anchor) Table"),
        .minRows = 1,
        .maxRows = 20,
        .columns =
            {
                Column::real({QStringLiteral("Depth from top"), QStringLiteral("of wall,")},
                             QStringLiteral("L2")),
                Column::real(
                    {QStringLiteral("Cross sectional area"), QStringLiteral("of steel rod,")},
                    QStringLiteral("L^2")),
                Column::real({QStringLiteral("Elastic modulus"), QStringLiteral("of steel,")},
                             QStringLiteral("F/L^2")),
                Column::real({QStringLiteral("Unbonded anchor"), QStringLiteral("length,")},
                             QStringLiteral("L2")),
                Column::real({QStringLiteral("Angle from"), QStringLiteral("horizontal,")},
                             QStringLiteral("DEG.")),
                Column::real({QStringLiteral("Anchor spacing"), QStringLiteral("in each row,")},
                             QStringLiteral("L2")),
            },
    });
    tables.push_back({
        .name = QStringLiteral("PYMod"),
        .identifier = 16,
        .caption = QStringLiteral("p-y Modification Factors"),
        .minRows = 2,
        .maxRows = 30,
        .columns =
            {
                Column::real({QStringLiteral("Depth")}, QStringLiteral("L2")),
                Column::real({QStringLiteral("p-Multiplier")}, {}, 1.0),
                Column::real({QStringLiteral("y-Multiplier")}, {}, 1.0),
            },
    });
    tables.push_back({
        .name = QStringLiteral("DistLoad"),
        .identifier = 22,
        .caption = QStringLiteral("Distributed Loads"),
        .minRows = 2,
        .maxRows = 100,
        .columns =
            {
                Column::real({QStringLiteral("Depth measured from the top of the wall,")},
                             QStringLiteral("L2")),
                Column::real({QStringLiteral("Lateral distributed line load, ")},
                             QStringLiteral("F/L2")),
            },
        .helpPicture = QStringLiteral("EarthPressure"),
    });
    tables.push_back({
        .name = QStringLiteral("LongDist"),
        .identifier = 104,
        .caption = QStringLiteral("Distributed Load (Long-Term)"),
        .minRows = 1,
        .maxRows = 0,
        .columns =
            {
                Column::real({QStringLiteral("Depth measured from the top of the wall,")},
                             QStringLiteral("L2")),
                Column::real({QStringLiteral("Lateral distributed line load,")},
                             QStringLiteral("F/L2")),
            },
        .helpPicture = QStringLiteral("EarthPressure"),
    });
    tables.push_back({
        .name = QStringLiteral("SurchargeTable"),
        .identifier = 23,
        .caption = QStringLiteral("Surcharge Loads"),
        .minRows = 1,
        .maxRows = 20,
        .columns =
            {
                Column::choice({QStringLiteral("Load Types")},
                               {QStringLiteral("Point Load"), QStringLiteral("Line Load"),
                                QStringLiteral("Strip Load")}),
                // Converted by load type when the project switches units.
                Column::real({QStringLiteral("Load Magnitude")}, QStringLiteral("SEE NOTES")),
                Column::real({QStringLiteral("Distance, X")}, QStringLiteral("L1")),
                Column::real({QStringLiteral("Width of Strip Load, W")}, QStringLiteral("L1")),
            },
        .comments = QStringLiteral(
            "The unit for point load is lbs or kN \rThe unit for line load is lbs/in. or kN/m \r"
            "The unit for strip load is lbs/in^2 or kN/m^2 \rFor strip load, Distance X goes "
            "from the wall to the middle of the strip width"),
    });
    tables.push_back({
        .name = QStringLiteral("NewSoil"),
        .identifier = 19,
        .caption = QStringLiteral("Soil Layers"),
        .minRows = 1,
        .maxRows = 10,
        .columns = soilLayerColumns(QStringLiteral("Stiff Clay with Free Water")),
    });
    tables.push_back({
        .name = QStringLiteral("LongSoil"),
        .identifier = 44,
        .caption = QStringLiteral("Soil Layers (Long-Term)"),
        .minRows = 1,
        .maxRows = 10,
        .columns = soilLayerColumns(QStringLiteral("Stiff Clay with Free water")),
    });
    tables.push_back({
        .name = QStringLiteral("TblClay1"),
        .identifier = 18,
        .caption = QStringLiteral("Clay"),
        .minRows = 2,
        .maxRows = 2,
        .columns = {unitWeight(), cohesion(), Column::real({QStringLiteral("E50")}),
                    Column::real({QStringLiteral("k(py)")}, QStringLiteral("F/L^3")),
                    earthPressureCoefficient()},
        .comments = kEarthPressureCoefficientNote,
    });
    tables.push_back({
        .name = QStringLiteral("TblSand1"),
        .identifier = 17,
        .caption = QStringLiteral("Sand"),
        .minRows = 2,
        .maxRows = 2,
        .columns = {unitWeight(), frictionAngle(),
                    Column::real({QStringLiteral("k(py)")}, QStringLiteral("F/L^3")),
                    earthPressureCoefficient()},
        .comments = kEarthPressureCoefficientNote,
    });
    tables.push_back({
        .name = QStringLiteral("TblSilt1"),
        .identifier = 29,
        .caption = QStringLiteral("Silt"),
        .minRows = 2,
        .maxRows = 2,
        .columns = {unitWeight(QStringLiteral("Total Unit ")), frictionAngle(), cohesion(),
                    Column::real({QStringLiteral("E50")}),
                    Column::real({QStringLiteral("K(py)")}, QStringLiteral("F/L^3")),
                    earthPressureCoefficient()},
        .comments = kEarthPressureCoefficientNote,
    });
    tables.push_back({
        .name = QStringLiteral("TblRock1"),
        .identifier = 30,
        .caption = QStringLiteral("Strong Rock"),
        .minRows = 2,
        .maxRows = 2,
        .columns = {unitWeight(), compressiveStrength()},
    });
    tables.push_back({
        .name = QStringLiteral("TblRock2"),
        .identifier = 31,
        .caption = QStringLiteral("Weak Rock"),
        .minRows = 2,
        .maxRows = 2,
        .columns = {unitWeight(), compressiveStrength(), Column::real({QStringLiteral("krm *")}),
                    Column::real({QStringLiteral("Elastic"), QStringLiteral("Modulus,")},
                                 QStringLiteral("F/L^2")),
                    Column::real({QStringLiteral("RQD"), QStringLiteral("%")})},
        .comments = QStringLiteral("* krm is a strain constant that seve to establish the overall "
                                   "stiffness of the curves"),
    });
    tables.push_back({
        .name = QStringLiteral("PYCurves2"),
        .identifier = 37,
        .caption = QStringLiteral("Sets of Ext. p-y Curves"),
        .minRows = 2,
        .maxRows = 30,
        .columns =
            {
                Column::integer({QStringLiteral("Node # ")}, 0, kIntMin, kIntMax),
                Column::table({QStringLiteral("Curve Sets")}, {38}),
                Column::real({QStringLiteral("Multiplier for p-value")}, {}, 1.0),
                Column::real({QStringLiteral("Multiplier for y-value")}, {}, 1.0),
            },
        .charted = true,
    });
    tables.push_back({
        .name = QStringLiteral("PYCurve2"),
        .identifier = 38,
        .caption = QStringLiteral("External p-y Curve"),
        .minRows = 2,
        .maxRows = 17,
        .topLeft = QStringLiteral("Point"),
        .columns =
            {
                Column::real({QStringLiteral("Lateral Deflection, y (*)")}, QStringLiteral("L")),
                Column::real({QStringLiteral("Soil Resistance, p")}, QStringLiteral("F/L")),
            },
        .comments =
            QStringLiteral("* Use negative (-) values for deflections to the left (to backfill)\r"
                           "     and positive (+) to the right (to excavation).\r"
                           "Lateral movement (y) should start from negative deflection\r"
                           "     (towards backfill) and gradually increase to positive\r"
                           "     deflection (towards excavation) for the range of the response.\r"
                           "Positive soil resistance (p) should correspond to the negative\r"
                           "     soil movement (-y) and negative soil resistance (-p) should\r"
                           "     correspond to the positive soil movement (y)."),
        .charted = true,
        .getDataFromFile = true,
        .graphic = curveOfFirstTwoColumns(),
    });
    tables.push_back({
        .name = QStringLiteral("MEICurves2"),
        .identifier = 36,
        .caption = QStringLiteral("Nonlinear Moment vs EI Curves"),
        .minRows = 1,
        .maxRows = 20,
        .topLeft = QStringLiteral("Section"),
        .columns =
            {
                Column::integer({QStringLiteral("From Node No. (Start)")}, 0, 0, 1000),
                Column::integer({QStringLiteral("To Node No. (End)")}, 0, 0, 1000),
                Column::table({}, {0}),
            },
        .charted = true,
    });
    tables.push_back({
        .name = QStringLiteral("Rows2"),
        .identifier = 0,
        .caption = QStringLiteral("Moment and EI data"),
        .minRows = 1,
        .maxRows = 100,
        .topLeft = QStringLiteral("Point"),
        .columns =
            {
                Column::real({QStringLiteral("Bending moment")}, QStringLiteral("F-L")),
                Column::real({QStringLiteral("Flexural rigidity")}, QStringLiteral("F-L^2")),
            },
        .charted = true,
        .getDataFromFile = true,
        .graphic = curveOfFirstTwoColumns(),
    });
    return tables;
}

}  // namespace

const std::vector<TTableDefinition>& TFormDescription::tables() {
    static const std::vector<TTableDefinition> tables = makeTables();
    return tables;
}

std::unique_ptr<TGridTable> TFormDescription::build(const TTableDefinition& definition,
                                                    TTableRegistry& registry) {
    std::unique_ptr<TGridTable> table;
    if (definition.charted) {
        auto chart = std::make_unique<TGridTableChart>(registry);
        chart->setGetDataFromFile(definition.getDataFromFile);
        chart->setGraphicParameters(definition.graphic);
        table = std::move(chart);
    } else {
        table = std::make_unique<TGridTable>(registry);
    }
    table->setObjectName(definition.name);
    table->setCaption(definition.caption);
    table->setComments(definition.comments);
    table->setIdentifier(definition.identifier);
    table->setMinRows(definition.minRows < 1 ? 1 : definition.minRows);
    table->setMaxRows(definition.maxRows);
    table->setTopLeft(definition.topLeft);
    table->setHelpPicture(definition.helpPicture);
    for (const TColumnDefinition& column : definition.columns) table->addColumn(column);
    return table;
}
