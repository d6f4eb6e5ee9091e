#include "app/tables/projecttables.h"

#include <gtest/gtest.h>

#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/gridtablechart.h"
#include "app/tables/tableerror.h"

namespace {

// Every column's title lines as shown (units included), "/" between lines
// and " | " between columns.
std::string titlesOf(const TGridTable& table) {
    QStringList columns;
    for (int c = 0; c < table.columnCount(); ++c) {
        QStringList lines;
        for (int line = 0; line < table.column(c).titleLineCount(); ++line)
            lines << table.column(c).titleLine(line);
        columns << lines.join(u'/');
    }
    return columns.join(QStringLiteral(" | ")).toStdString();
}

}  // namespace

TEST(ProjectTables, EveryTableOfTheMainWindow) {
    struct Case {
        const char* name;
        int identifier;
        const char* caption;
        int minRows;
        int maxRows;
        const char* topLeft;
        const char* titles;  // in English units
    };
    const Case cases[] = {
        {"PileSect", 15, "Wall Stiffness", 1, 10, "Section",
         "From Node No. (Start) | To Node No. (End) | Constant or Interpolate?           | "
         "Flexural Stiffness (EI) (lbs-in^2)  "},
        {"SoilLayer", 0, "Specify Deflection and Slope on Wall", 1, 10, "No",
         "Case           | Nodal No. | Deflection (in)   | Slope"},
        {"BoundCond", 123, "Concentrated Loads on Wall", 1, 20, "",
         "Constant or Interpolate? | From Node No./(Start) | To Node No./(End) | "
         "Lateral Load (lbs)   | Moment (lbs-in)   | Axial Load (lbs)  "},
        {"SoilStrength", 4, "Lateral Spring and Rotation Spring", 1, 20, "Point",
         "Constant or Interpolate? | From Node No./     (Start) | To Node No./   (End) | "
         "Lateral Spring/Stiffness (lbs/in)   | Rotational Spr./Stiff. (lbs-in/RAD.)  "},
        {"TiebackTable1", 77, "Tieback (ground anchor) Table", 1, 20, "",
         "Depth from top/of wall, (ft)   | Cross sectional area/of steel rod, (in^2)   | "
         "Elastic modulus/of steel, (lbs/in^2)   | Unbonded anchor/length, (ft)   | "
         "Angle from/horizontal, (DEG.)   | Anchor spacing/in each row, (ft)  "},
        {"PYMod", 16, "p-y Modification Factors", 2, 30, "",
         "Depth (ft)   | p-Multiplier | y-Multiplier"},
        {"DistLoad", 22, "Distributed Loads", 2, 100, "",
         "Depth measured from the top of the wall, (ft)   | "
         "Lateral distributed line load,  (lbs/ft)  "},
        {"LongDist", 104, "Distributed Load (Long-Term)", 1, 0, "",
         "Depth measured from the top of the wall, (ft)   | "
         "Lateral distributed line load, (lbs/ft)  "},
        {"SurchargeTable", 23, "Surcharge Loads", 1, 20, "",
         "Load Types | Load Magnitude (SEE NOTES)   | Distance, X (in)   | "
         "Width of Strip Load, W (in)  "},
        {"NewSoil", 19, "Soil Layers", 1, 10, "",
         "Soil /Type | Depth at Bottom/of the Layer, (ft)   | Edit Soil/Parameters"},
        {"LongSoil", 44, "Soil Layers (Long-Term)", 1, 10, "",
         "Soil /Type | Depth at Bottom/of the Layer, (ft)   | Edit Soil/Parameters"},
        {"TblClay1", 18, "Clay", 2, 2, "",
         "Total Unit/Weight, (lbs/ft^3)   | Cohesive/Strength, (lbs/ft^2)   | E50 | "
         "k(py) (lbs/in^3)   | Optional Earth/Pressure Coefficient"},
        {"TblSand1", 17, "Sand", 2, 2, "",
         "Total Unit/Weight, (lbs/ft^3)   | Friction/Angle, deg. | k(py) (lbs/in^3)   | "
         "Optional Earth/Pressure Coefficient"},
        {"TblSilt1", 29, "Silt", 2, 2, "",
         "Total Unit /Weight, (lbs/ft^3)   | Friction/Angle, deg. | "
         "Cohesive/Strength, (lbs/ft^2)   | E50 | K(py) (lbs/in^3)   | "
         "Optional Earth/Pressure Coefficient"},
        {"TblRock1", 30, "Strong Rock", 2, 2, "",
         "Total Unit/Weight, (lbs/ft^3)   | Uniaxial Compressive/Strength, (lbs/in^2)  "},
        {"TblRock2", 31, "Weak Rock", 2, 2, "",
         "Total Unit/Weight, (lbs/ft^3)   | Uniaxial Compressive/Strength, (lbs/in^2)   | "
         "krm * | Elastic/Modulus, (lbs/in^2)   | RQD/%"},
        {"PYCurves2", 37, "Sets of Ext. p-y Curves", 2, 30, "",
         "Node #  | Curve Sets | Multiplier for p-value | Multiplier for y-value"},
        {"PYCurve2", 38, "External p-y Curve", 2, 17, "Point",
         "Lateral Deflection, y (*) (in)   | Soil Resistance, p (lbs/in)  "},
        {"MEICurves2", 36, "Nonlinear Moment vs EI Curves", 1, 20, "Section",
         "From Node No. (Start) | To Node No. (End) | "},
        {"Rows2", 0, "Moment and EI data", 1, 100, "Point",
         "Bending moment (lbs-in)   | Flexural rigidity (lbs-in^2)  "},
    };
    TProjectTables tables;
    ASSERT_EQ(tables.plainTables().size() + tables.chartTables().size(), std::size(cases));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TGridTable& table = tables.table(QString::fromLatin1(c.name));
        EXPECT_EQ(table.identifier(), c.identifier);
        EXPECT_EQ(table.caption(), c.caption);
        EXPECT_EQ(table.minRows(), c.minRows);
        EXPECT_EQ(table.maxRows(), c.maxRows);
        EXPECT_EQ(table.topLeft(), c.topLeft);
        EXPECT_EQ(table.rowGroup(), 1);
        EXPECT_EQ(table.rowCount(), c.minRows);
        EXPECT_EQ(titlesOf(table), c.titles);
    }
    EXPECT_FALSE(tables.isModified());
    EXPECT_EQ(tables.find(u"Missing"), nullptr);
    EXPECT_THROW((void)tables.table(u"Missing"), ETableError);
}

TEST(ProjectTables, ChoicesTemplatesAndNotes) {
    TProjectTables tables;
    const auto definition = [&](QStringView name, int column) {
        return tables.table(name).column(column).definition();
    };
    const QStringList soilTypes{
        "Soft Clay", "Stiff Clay with Free Water", "Stiff Clay w/o Free Water",
        "Sand",      "Silt (c-phi soil)",          "Strong Rock",
        "Weak Rock"};
    EXPECT_EQ(definition(TableName::NewSoil, 0).choices, soilTypes);
    QStringList longTerm = soilTypes;
    longTerm[1] = "Stiff Clay with Free water";
    EXPECT_EQ(definition(TableName::LongSoil, 0).choices, longTerm);
    EXPECT_EQ(definition(TableName::NewSoil, 2).templates,
              (QList<int>{18, 18, 18, 17, 29, 30, 31}));
    EXPECT_EQ(definition(TableName::PYCurves2, 1).templates, QList<int>{38});
    EXPECT_EQ(definition(TableName::MEICurves2, 2).templates, QList<int>{0});
    EXPECT_EQ(definition(TableName::PileSect, 2).choices,
              (QStringList{"Use Constant Value for all Nodes on this Line",
                           "Linear Interpolate to End Node of Next Line"}));
    EXPECT_EQ(definition(TableName::SoilStrength, 0).choices[0],
              "Use Constant Values for all Nodes on this Line  ");
    EXPECT_EQ(definition(TableName::SurchargeTable, 0).choices,
              (QStringList{"Point Load", "Line Load", "Strip Load"}));

    EXPECT_EQ(tables.table(TableName::PileSect).comments(),
              "The nodal number at the top of the wall is set to be 0.\rValues of Flexural "
              "Stiffness (EI) must be specified for all nodes of the wall.\rLinear interpolation "
              "(when selected) is performed from START node of previous line to END node of the "
              "following line.");
    EXPECT_EQ(tables.table(TableName::TblRock2).comments(),
              "* krm is a strain constant that seve to establish the overall stiffness of the "
              "curves");
    EXPECT_EQ(tables.table(TableName::TblSand1).comments(),
              tables.table(TableName::TblSilt1).comments());
    EXPECT_TRUE(tables.table(TableName::TblClay1)
                    .comments()
                    .startsWith("The user may optionally enter an earth pressure coefficient for "
                                "generating \rlateral"));
    EXPECT_EQ(tables.table(TableName::DistLoad).helpPicture(), "EarthPressure");
    EXPECT_EQ(tables.table(TableName::LongDist).helpPicture(), "EarthPressure");
    EXPECT_EQ(tables.table(TableName::SoilStrength).helpPicture(), "Tieback");

    const TGridTableChart& curve = tables.chartTable(TableName::PYCurve2);
    EXPECT_TRUE(curve.getDataFromFile());
    EXPECT_EQ(curve.graphicParameters(), (TGraphicParameters{true, false, 0, 1, 0, 0}));
    EXPECT_FALSE(tables.chartTable(TableName::PYCurves2).getDataFromFile());
    EXPECT_EQ(tables.chartTable(TableName::PYCurves2).graphicParameters(), TGraphicParameters{});
    EXPECT_TRUE(tables.chartTable(TableName::Rows2).graphicParameters().showGraph);
}

TEST(ProjectTables, DefaultRowsAndNodeLimits) {
    TProjectTables tables;
    TGridTable& modification = tables.table(TableName::PYMod);
    modification.setRowCount(0);
    EXPECT_EQ(modification.rowCount(), 0);
    modification.setRowCount(2);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(modification.real(0, row), 0);
        EXPECT_EQ(modification.real(1, row), 1.0);
        EXPECT_EQ(modification.real(2, row), 1.0);
    }
    const TGridTable& stiffness = tables.table(TableName::PileSect);
    EXPECT_EQ(stiffness.integer(0, 0), 0);
    EXPECT_EQ(stiffness.integer(1, 0), 1);
    EXPECT_EQ(stiffness.integer(2, 0), 1);
    EXPECT_EQ(tables.table(TableName::BoundCond).integer(2, 0), 1);
    EXPECT_EQ(tables.table(TableName::SoilStrength).integer(2, 0), 0);
    EXPECT_EQ(tables.table(TableName::PYCurves2).real(2, 1), 1.0);
    EXPECT_EQ(tables.table(TableName::PYCurves2).real(3, 1), 1.0);

    struct Case {
        QStringView table;
        int column;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {TableName::PileSect, 0, "2147483601", "Entry must be between 0 and 2147483600."},
        {TableName::PileSect, 1, "-1", "Entry must be between 0 and 2147483647."},
        {TableName::SoilStrength, 2, "-2147483649",
         "Entry must be between -2147483648 and 2147483647."},
        {TableName::MEICurves2, 1, "1001", "Entry must be between 0 and 1000."},
        {TableName::SoilLayer, 1, "2.5", "Entry must be an integer."},
    };
    for (const Case& c : cases) {
        QString message;
        try {
            tables.table(c.table).setFromText(c.column, 0, c.text, QLocale::c());
        } catch (const ETableError& error) {
            message = error.message();
        }
        EXPECT_EQ(message, c.message) << c.text;
    }
}

TEST(ProjectTables, SoilLayersCarryTheirParameterTables) {
    TProjectTables tables;
    TGridTable& soil = tables.table(TableName::NewSoil);
    soil.addRowGroup();
    EXPECT_EQ(soil.subTable(2, 0)->caption(), "Clay");
    soil.subTable(2, 0)->setReal(0, 0, 120);
    soil.setFromText(0, 0, "4", QLocale::c());
    TGridTable* sand = soil.subTable(2, 0);
    ASSERT_NE(sand, nullptr);
    EXPECT_EQ(sand->caption(), "Sand");
    EXPECT_EQ(sand->rowCount(), 2);
    EXPECT_EQ(sand->windowCaption(), "Sand  1");
    EXPECT_EQ(sand->real(0, 0), 0);
    EXPECT_EQ(titlesOf(*sand), titlesOf(tables.table(TableName::TblSand1)));
    EXPECT_EQ(soil.subTable(2, 1)->windowCaption(), "Clay  2");

    TGridTable& sets = tables.table(TableName::PYCurves2);
    auto* curve = dynamic_cast<TGridTableChart*>(sets.subTable(1, 1));
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->windowCaption(), "External p-y Curve  2");
    EXPECT_TRUE(curve->getDataFromFile());
    EXPECT_EQ(curve->graphicParameters(), (TGraphicParameters{true, false, 0, 1, 0, 0}));
    EXPECT_EQ(curve->rowCount(), 2);
    auto* moments = tables.table(TableName::MEICurves2).subTable(2, 0);
    ASSERT_NE(moments, nullptr);
    EXPECT_EQ(moments->caption(), "Moment and EI data");
    EXPECT_EQ(moments->rowCount(), 1);
}

TEST(ProjectTables, ChartedTablesHaveTheirOwnIdentifiers) {
    TProjectTables tables;
    EXPECT_EQ(tables.plainRegistry().find(0), &tables.table(TableName::SoilLayer));
    EXPECT_EQ(tables.chartRegistry().find(0), &tables.table(TableName::Rows2));
    EXPECT_EQ(tables.chartRegistry().find(38), &tables.table(TableName::PYCurve2));
    EXPECT_EQ(tables.plainRegistry().find(38), nullptr);
}

TEST(ProjectTables, UnitSwitchConvertsPlainTablesOnly) {
    TProjectTables tables;
    TGridTable* clay = tables.table(TableName::NewSoil).subTable(2, 0);
    clay->setReal(0, 0, 120);
    TGridTable* curve = tables.table(TableName::PYCurves2).subTable(1, 0);
    curve->setReal(0, 1, 2.5);
    tables.table(TableName::PYMod).setReal(0, 0, 10);
    tables.setUnitSystem(kSIUnits);
    EXPECT_EQ(tables.unitSystem(), kSIUnits);
    EXPECT_EQ(clay->text(0, 0, QLocale::c()), "18.850497");
    EXPECT_EQ(tables.table(TableName::PYMod).text(0, 0, QLocale::c()), "3.048");
    EXPECT_EQ(curve->real(0, 1), 2.5);
    EXPECT_EQ(curve->unitSystem(), kEnglishUnits);
    EXPECT_EQ(titlesOf(*curve), "Lateral Deflection, y (*) (in)   | Soil Resistance, p (lbs/in)  ");
    EXPECT_EQ(tables.table(TableName::PYMod).column(0).titleLine(0), "Depth (m)  ");
}

TEST(ProjectTables, ResetRestoresDefaultRowsAndClearsModified) {
    TProjectTables tables;
    tables.table(TableName::NewSoil).setRowCount(4);
    tables.table(TableName::NewSoil).subTable(2, 3)->setReal(0, 0, 1);
    tables.table(TableName::PYCurves2).subTable(1, 0)->setRowCount(5);
    tables.setUnitSystem(kSIUnits);
    EXPECT_TRUE(tables.isModified());
    tables.reset();
    EXPECT_FALSE(tables.isModified());
    EXPECT_EQ(tables.table(TableName::NewSoil).rowCount(), 1);
    EXPECT_EQ(tables.table(TableName::PYCurves2).subTable(1, 0)->rowCount(), 2);
    EXPECT_EQ(tables.table(TableName::PYMod).unitSystem(), kEnglishUnits);
    EXPECT_EQ(tables.table(TableName::NewSoil).subTable(2, 0)->unitSystem(), kEnglishUnits);

    tables.table(TableName::PYCurves2).subTable(1, 1)->setRowCount(0);
    tables.table(TableName::PYMod).setRowCount(1);
    tables.ensureMinRows();
    EXPECT_EQ(tables.table(TableName::PYCurves2).subTable(1, 1)->rowCount(), 2);
    EXPECT_EQ(tables.table(TableName::PYMod).rowCount(), 2);
}
