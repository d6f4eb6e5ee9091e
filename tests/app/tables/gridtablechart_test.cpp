#include "app/tables/gridtablechart.h"

#include <gtest/gtest.h>

#include "app/tables/tableerror.h"
#include "app/tables/tableregistry.h"

namespace {

using Column = TColumnDefinition;

// A set table whose rows hold curves, as the external p-y curve sets.
class ChartTableTest : public ::testing::Test {
  protected:
    ChartTableTest() : curve(registry), sets(registry) {
        curve.setCaption("External p-y Curve");
        curve.setMinRows(2);
        curve.addColumn(Column::real({"Lateral Deflection, y (*)"}, "L"));
        curve.addColumn(Column::real({"Soil Resistance, p"}, "F/L"));
        curve.addColumn(Column::integer({"Point"}, 0, 0, 9));
        curve.setGetDataFromFile(true);
        curve.setOkCancelButtons(true);
        curve.setInvertedXAxis(true);
        curve.setInvertedYAxis(true);
        curve.setGraphicParameters({true, false, 0, 1, 2, 2});
        sets.addColumn(Column::table({"Curve Sets"}, {curve.identifier()}));
        sets.setRowCount(1);
    }
    TGridTableChart& sub() { return static_cast<TGridTableChart&>(*sets.subTable(0, 0)); }

    TTableRegistry registry;
    TGridTableChart curve;
    TGridTableChart sets;
};

}  // namespace

TEST_F(ChartTableTest, CurvesOfARowShowTheChartAndFileControlsOfTheirTemplate) {
    EXPECT_EQ(sub().caption(), "External p-y Curve");
    EXPECT_TRUE(sub().getDataFromFile());
    EXPECT_TRUE(sub().okCancelButtons());
    EXPECT_TRUE(sub().invertedXAxis());
    EXPECT_TRUE(sub().invertedYAxis());
    EXPECT_EQ(sub().graphicParameters(), (TGraphicParameters{true, false, 0, 1, 2, 2}));
    EXPECT_EQ(sub().rowCount(), 2);
}

TEST_F(ChartTableTest, PlottedValuesComeFromFloatColumnsOnly) {
    sub().setReal(0, 1, -0.5);
    sub().setReal(1, 1, 40);
    EXPECT_EQ(sub().xValue(1), -0.5);
    EXPECT_EQ(sub().yValue(1), 40);
    sub().setGraphicParameters({true, false, 2, 1, 0, 0});
    EXPECT_THROW((void)sub().xValue(0), EInvalidCast);
}

TEST_F(ChartTableTest, UnitsReachOnlyFromAChartedTableToItsCurves) {
    EXPECT_EQ(sub().unitSystem(), kEnglishUnits);
    EXPECT_EQ(sub().column(1).titleLine(0), "Soil Resistance, p (lbs/in)  ");
    sub().setReal(0, 0, 1);
    sets.setUnitSystem(kSIUnits);
    EXPECT_EQ(sub().unitSystem(), kSIUnits);
    EXPECT_NEAR(sub().real(0, 0), 0.0254, 1E-12);
    EXPECT_EQ(sub().column(1).titleLine(0), "Soil Resistance, p (kN/m)  ");
    sets.addRowGroup();  // a new curve takes the units of its set table
    EXPECT_EQ(static_cast<TGridTableChart*>(sets.subTable(0, 1))->unitSystem(), kSIUnits);
}
