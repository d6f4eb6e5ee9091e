// Exact report lines of one station block per soil model, the excavation side
// at 33 in below the excavation level: from the opening lines through the
// heading, units and soil values to the first point.
#include <algorithm>

#include "soil_data_fixture.h"

namespace keldra {

namespace {

using testing::LayerValues;
using testing::SoilDataTest;

struct BlockCase {
    int type;
    LayerValues values;
    std::vector<std::string> lines;  // from the side's opening to the first point
};

const BlockCase kBlocks[] = {
    {1,
     {0.07, 3.0, 0.0, 0.02, 100.0, 0.0},
     {"         AT THE EXCAVATION SIDE", "",
      "         DEPTH BELOW GS      DIAM        C      GAMMA AVG      E50",
      "               IN             IN     LBS/IN**2  LBS/IN**3",
      "             33.00          12.000  3.000     0.7000E-01   0.2000E-01", "",
      "                                     Y,IN             P,LBS/IN",
      "                                    0.000             -28.800"}},
    {2,
     {0.07, 15.0, 0.0, 0.005, 500.0, 0.0},
     {"         AT THE EXCAVATION SIDE", "", "",
      "         DEPTH BELOW GS      DIAM        C         CAVG    GAMMA AVG      E50",
      "               IN             IN     LBS/IN**2  LBS/IN**2  LBS/IN**3",
      "              33.00         12.000    15.        15.       0.70E-01  0.5000E-02",
      "                                    0.000               0.000",
      "                                    0.017             287.100"}},
    {3,
     {0.07, 15.0, 0.0, 0.005, 0.0, 0.0},
     {"         AT THE EXCAVATION SIDE", "", "",
      "          DEPTH BELOW GS     DIAM        C       CAVG    GAMMA AVG     E50",
      "                IN            IN     LBS/IN**2 LBS/IN**2 LBS/IN**3 ",
      "               33.00         12.000   15.       15.      0.70E-01  0.5000E-02",
      "                                      Y                   P",
      "                                      IN               LBS/IN",
      "                                  0.00000             0.00000"}},
    {4,
     {0.07, 0.0, 35.0, 0.0, 60.0, 0.0},
     {"         AT THE EXCAVATION SIDE", "", "",
      "           DEPTH BELOW GS  DIAM   PHI  GAMMA AVG    A    B     PCT       PCD",
      "                 IN         IN         LBS/IN**3",
      "               33.00      12.00  35.00 0.70E-01   1.15 0.78 0.32E+03 0.15E+04", "",
      "                                      Y                   P",
      "                                      IN               LBS/IN"}},
    {5,
     {0.07, 2.0, 30.0, 0.01, 100.0, 0.0},
     {"         AT THE EXCAVATION SIDE", "", "",
      "     DEPTH      DIAM      PHI  GAMMA AVG        A         B     Puc       Pu\xED",
      "       IN        IN            LBS/IN**3",
      "     33.00     12.00      30.0 0.700E-01      1.15      0.78 0.133E+03 0.220E+03", "",
      "                                     Y                   P",
      "                                     IN                LBS/IN",
      "                                0.000E+00          -0.589E+01"}},
    {6,
     {0.07, 2000.0, 0.0, 0.0, 0.0, 0.0},
     {"", "", "                 DEPTH-EXCAVATION SIDE     DIAM        C       ",
      "                              IN            IN     LBS/IN**2 ",
      "                             33.00         12.000   0.1E+04",
      "                                      Y                   P",
      "                                      IN               LBS/IN",
      "                                 0.00                0.00    "}},
    {7,
     {0.07, 500.0, 0.0, 0.0005, 20000.0, 50.0},
     {"         AT THE EXCAVATION SIDE", "", "",
      "              DEPTH     DIAM       Qu        Eu    GAMMA AVG      E50",
      "                IN       IN    LBS/IN**2 LBS/IN**2 LBS/IN**3 ",
      "               33.00    12.000  0.50E+03  0.20E+05  0.70E-01   0.500E-03",
      "                                     Y                   P",
      "                                     IN                LBS/IN",
      "                                0.300E-05           0.280E+02"}},
};

}  // namespace

TEST_F(SoilDataTest, StationBlockOfEachModel) {
    for (const BlockCase& c : kBlocks) {
        SCOPED_TRACE(::testing::Message() << "soil type " << c.type);
        s().soil.NSOIL = 0;
        AddLayer(c.type, 400.0, c.values);
        ASSERT_EQ(Generate(), Step::kContinue);
        const auto report = ReportLines();
        // The line of soil values comes two lines after the heading.
        const long before = std::find_if(c.lines.begin(), c.lines.end(),
                                         [](const std::string& l) {
                                             return l.find("33.00") != std::string::npos;
                                         }) -
                            c.lines.begin();
        const auto values = std::find(report.begin(), report.end(), c.lines[before]);
        ASSERT_NE(values, report.end());
        ASSERT_GE(values - report.begin(), before);
        const auto block = values - before;
        ASSERT_LE(c.lines.size(), static_cast<std::size_t>(report.end() - block));
        for (std::size_t k = 0; k < c.lines.size(); ++k) EXPECT_EQ(block[k], c.lines[k]);
    }
}

TEST_F(SoilDataTest, MultiplierLineFollowsTheSoftClayPoints) {
    AddLayer(1, 400.0, {0.07, 3.0, 0.0, 0.02, 100.0, 0.0});
    ASSERT_EQ(Generate(), Step::kContinue);
    const auto report = ReportLines();
    const std::string line =
        "                      P-Multiplier =  0.100E+01 Y-Multiplier =  0.100E+01";
    EXPECT_EQ(std::count(report.begin(), report.end(), line), 10);
    const auto first = std::find(report.begin(), report.end(), line);
    EXPECT_EQ(*(first - 1), "");
    EXPECT_EQ(*(first - 2), "                                   12.000              79.434");
}

}  // namespace keldra

namespace keldra {

TEST_F(SoilDataTest, SoilLayersSectionWithWaterAndReductionFactors) {
    s().soil.ZWB = 180.0;  // at the clay-sand interface
    AddLayer(1, 180.0, {0.065, 3.5, 0.0, 0.02, 100.0, 0.0});
    AddLayer(4, 300.0, {0.07, 0.0, 34.0, 0.0, 60.0, 0.0});
    s().control.NPYMOD = 2;
    s().pymod.ZMOD[1] = 0.0;
    s().pymod.ZMOD[2] = 400.0;
    s().pymod.PMOD[1] = s().pymod.PMOD[2] = 0.5;
    s().pymod.YMOD[1] = s().pymod.YMOD[2] = 1.0;
    ASSERT_EQ(Generate(), Step::kContinue);
    const auto report = ReportLines();
    const std::vector<std::string> expected = {
        "",
        "",
        "      **************************************************",
        "      *        SOIL LAYERS AND STRENGTH DATA           *",
        "      **************************************************",
        "",
        "X AT THE SURFACE OF EXCAVATION SIDE     =     120.00 IN",
        "",
        "2 LAYER(S) OF SOIL",
        "",
        "LAYER  1",
        "THE SOIL IS A SOFT CLAY",
        "",
        "LAYER  2",
        "THE SOIL IS A SAND",
        "",
        "DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH",
        " 4 POINTS",
        "          X, IN  WEIGHT,LBS/IN**3",
        "       120.0000     0.6500E-01",
        "       180.0000     0.6500E-01",
        "       180.0000     0.3400E-01",
        "       300.0000     0.3400E-01",  // the unit weights are not cut
        "",
        "DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH",
        " 4 POINTS",
        "          X, IN  S,LBS/IN**2  PHI,DEGREES        E50",
        "         120.00    3.500            0.000     0.2000E-01",
        "         180.00    3.500            0.000     0.2000E-01",
        "         180.00    0.000           34.000      -----",
        "         252.00    0.000           34.000      -----",
        "",
        "REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS",
        "",
        "      DEPTH     P-FACTOR     Y-FACTOR        ",
        "       0.00         0.50         1.00",
        "     400.00         0.50         1.00",
        "",
        "P-Y CURVES DATA",
    };
    ASSERT_GE(report.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(report[k], expected[k]) << k;
    // The table's p-factor replaces the closely-spaced-wall rule.
    EXPECT_NE(
        std::find(report.begin(), report.end(),
                  "                      P-Multiplier =  0.500E+00 Y-Multiplier =  0.100E+01"),
        report.end());
}

TEST_F(SoilDataTest, TenLayersAreCountedInTwoDigits) {
    for (int n = 1; n <= 10; ++n) AddLayer(1, 120.0 + 12.0 * n, {0.07, 3.0, 0.0, 0.02, 100.0, 0.0});
    ASSERT_EQ(Generate(), Step::kContinue);
    const auto report = ReportLines();
    EXPECT_NE(std::find(report.begin(), report.end(), "10 LAYER(S) OF SOIL"), report.end());
    EXPECT_EQ(Curves().size(), 50u);
}

}  // namespace keldra

namespace keldra {

TEST_F(SoilDataTest, SIUnitLabelsInTheSandBlock) {
    SetUnits(2);
    s().grid.H = 0.25;
    s().grid.HFREE = 4.0;
    s().soil.WA = 2.0;
    s().soil.WP = 0.5;
    AddLayer(4, 12.0, {19.0, 0.0, 35.0, 0.0, 20000.0, 0.0});
    ASSERT_EQ(Generate(), Step::kContinue);
    const auto report = ReportLines();
    const auto heading = std::find(report.begin(), report.end(),
                                   "           DEPTH BELOW GS  DIAM   PHI  GAMMA AVG    A    B"
                                   "     PCT       PCD");
    ASSERT_NE(heading, report.end());
    EXPECT_EQ(heading[1], "                  M          M          KN/ M**3");
    EXPECT_EQ(heading[2].substr(0, 20), "                0.01");
    EXPECT_EQ(heading[5], "                                       M                KN/ M");
}

TEST_F(SoilDataTest, SoftClayWarnsAboutDeflectionsBelowTheSmallestCurve) {
    AddLayer(1, 400.0, {0.07, 3.0, 0.0, 0.02, 100.0, 0.0});
    s().control.NPYMOD = 2;  // a y-factor of 0 leaves every deflection at 0
    s().pymod.ZMOD[2] = 1000.0;
    s().pymod.PMOD[1] = s().pymod.PMOD[2] = 1.0;
    ASSERT_EQ(Generate(), Step::kContinue);
    const auto report = ReportLines();
    const auto warning =
        std::find(report.begin(), report.end(), "                             **** WARNING ****");
    ASSERT_NE(warning, report.end());
    EXPECT_EQ(warning[-1], "");
    EXPECT_EQ(warning[-2], "                                    0.000             -17.977");
    EXPECT_EQ(warning[1], "     DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM");
    EXPECT_EQ(warning[2].substr(0, 28), "     USED A SOIL MODULUS OF ");
    EXPECT_EQ(std::count(report.begin(), report.end(), *warning), 16 * 10);
}

}  // namespace keldra
