// The seven soil models at one station (33 in below the excavation level of a
// uniform layer, 153 in below the top of the wall) on both sides, against
// values worked out by hand from the model formulas. SOILDATA keeps three
// significant digits, hence the tolerance.
#include <cmath>

#include "soil_data_fixture.h"

namespace keldra {

namespace {

using testing::LayerValues;
using testing::SoilDataTest;

struct Point {
    int side, m;
    double y, p;
};

struct ModelCase {
    const char* name;
    int type;
    LayerValues values;
    std::vector<Point> points;
};

// gamma = 0.07 pci everywhere; SIGVEXC = 8.4 psi; b = 12 in.
const ModelCase kCases[] = {
    {"soft clay: pu = (3 + gX/c + X/2b)cb, y50 = 2.5 e50 b, shift 12(8.4) - 2(3)12",
     1,
     {0.07, 3.0, 0.0, 0.02, 100.0, 0.0},
     {{1, 1, 0.0, -28.8},
      {1, 2, 0.0048, -10.278},
      {1, 9, 1.05, 82.8016},
      {1, 14, 1.8, 104.767},
      {1, 17, 12.0, 156.42},
      {2, 1, 0.0, 28.8},
      {2, 9, 1.05, 224.022},
      {2, 17, 12.0, 352.8}}},
    {"stiff clay with free water: pct on side 1, pcd = 11cb on side 2, k X y first",
     2,
     {0.07, 15.0, 0.0, 0.005, 500.0, 0.0},
     {{1, 2, 0.0174, 287.1},
      {1, 5, 0.0696, 864.803},
      {1, 9, 0.1392, 973.742},
      {1, 14, 0.348, 673.822},
      {1, 17, 6.96, 155.137},
      {2, 2, 0.018, 542.245},
      {2, 9, 0.144, 1103.74},
      {2, 17, 7.2, 173.613}}},
    {"stiff clay without free water: quarter-power parabola to 16 y50",
     3,
     {0.07, 15.0, 0.0, 0.005, 0.0, 0.0},
     {{1, 2, 2.4e-5, 45.8432},
      {1, 9, 0.06, 324.16},
      {1, 14, 1.2, 685.516},
      {1, 17, 3.0, 815.22},
      {2, 9, 0.06, 644.169},
      {2, 17, 3.0, 1620.0}}},
    {"sand: A = 1.145 and B = 0.785 at 2.75 widths, 0.88 and 0.5 below six",
     4,
     {0.07, 0.0, 35.0, 0.0, 60.0, 0.0},
     {{1, 1, 0.0, -27.3159},
      {1, 2, 1.0 / 60.0, 5.68405},
      {1, 7, 0.1, 168.222},
      {1, 13, 0.2, 224.841},
      {1, 14, 0.45, 340.481},
      {1, 17, 36.45, 340.481},
      {2, 7, 0.1, 945.316},
      {2, 13, 0.2, 1863.32},
      {2, 14, 0.45, 4158.32},
      {2, 17, 36.45, 4697.43}}},
    {"silt: pk above pu; parabola on side 1, two lines on side 2",
     5,
     {0.07, 2.0, 30.0, 0.01, 100.0, 0.0},
     {{1, 2, 1.0 / 60.0, 49.1129},
      {1, 7, 0.1, 324.113},
      {1, 13, 0.2, 456.308},
      {1, 14, 0.45, 245.613},
      {1, 17, 18.45, 245.613},
      {2, 7, 0.1, 1535.89},
      {2, 14, 0.45, 3064.17},
      {2, 17, 18.45, 3064.17}}},
    {"strong rock: peak su b at 0.0024 b, residual of the overburden at point 17",
     6,
     {0.07, 2000.0, 0.0, 0.0, 0.0, 0.0},
     {{1, 2, 0.00192, 3840.0},
      {1, 4, 0.00576, 9696.0},
      {1, 8, 0.01344, 10464.0},
      {1, 16, 0.0288, 12000.0},
      {1, 17, 0.03072, 13.86},
      {2, 16, 0.0288, 12000.0},
      {2, 17, 0.03072, 64.26}}},
    {"weak rock: depth-dependent pur on side 1, 5.2 ar qu b on side 2",
     7,
     {0.07, 500.0, 0.0, 0.0005, 20000.0, 50.0},
     {{1, 1, 3e-6, 28.0},
      {1, 5, 5.4e-5, 504.0},
      {1, 10, 0.0006, 5454.71},
      {1, 14, 0.006, 9700.0},
      {1, 17, 0.072, 18053.7},
      {2, 1, 3e-6, 30.0},
      {2, 10, 0.0006, 5848.35},
      {2, 17, 0.072, 19356.6}}},
};

void ExpectThreeDigits(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, 0.005 * std::fabs(expected) + 1e-12) << what;
}

}  // namespace

TEST_F(SoilDataTest, EachModelMatchesItsFormulasOnBothSides) {
    for (const ModelCase& c : kCases) {
        SCOPED_TRACE(c.name);
        s().soil.NSOIL = 0;
        AddLayer(c.type, 400.0, c.values);
        ASSERT_EQ(Generate(), Step::kContinue);
        const auto curves = Curves();
        ASSERT_EQ(curves.size(), 5u);
        const testing::GeneratedCurve& station = curves[1];
        EXPECT_DOUBLE_EQ(station.depth, 153.0);
        for (const Point& point : c.points) {
            SCOPED_TRACE(::testing::Message() << "side " << point.side << " point " << point.m);
            ExpectThreeDigits(station.y[point.side][point.m], point.y, "y");
            ExpectThreeDigits(station.p[point.side][point.m], point.p, "p");
        }
    }
}

}  // namespace keldra
