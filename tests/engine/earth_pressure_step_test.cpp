#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "earth_pressure_fixture.h"
#include "engine/generation.h"
#include "engine/surcharge.h"
#include "engine/torval_file.h"
#include "engine_run.h"

namespace keldra {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;

Lines ReadLines(const char* path) {
    Lines lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The lines after the first one equal to `first`, up to `count` of them.
Lines Section(const Lines& lines, const std::string& first, int count) {
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (lines[k] != first) continue;
        const std::size_t end = std::min(lines.size(), k + 1 + count);
        return Lines(lines.begin() + static_cast<long>(k) + 1,
                     lines.begin() + static_cast<long>(end));
    }
    return {};
}

constexpr const char* kReportPath = "report.txt";
constexpr const char* kNotesPath = "notes.txt";

// Runs the step in a scratch directory of its own, with report and notes
// there too.
class EarthPressureStep : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(scratch_.dir());
        ASSERT_TRUE(s_->files.report.Open(kReportPath));
        ASSERT_TRUE(s_->files.notes.Open(kNotesPath));
        s_->control.KUNIT = 1;
        s_->control.KOUTPT = 2;
        SetUnitLabels(s_->labels, 1);
        s_->grid.NINC = 30;
        s_->grid.H = 4;
        s_->grid.HFREE = 60;
        s_->soil = DrySoil();
        s_->soil.WA = s_->soil.WP = 12;
        s_->soil.ZWB = 30;
        AddLayer(s_->soil, kSand, 200, kSandWeight, 0, kSandPhi);
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    // What was written to the file so far; the file is closed for that.
    static Lines Written(OutputFile& file, const char* path) {
        EXPECT_TRUE(file.Close());
        return ReadLines(path);
    }
    Lines Report() { return Written(s_->files.report, kReportPath); }
    Lines Notes() { return Written(s_->files.notes, kNotesPath); }

    std::unique_ptr<EngineState> s_ = std::make_unique<EngineState>();
    EngineRun scratch_;
    std::filesystem::path previous_;
};

TEST_F(EarthPressureStep, WritesEverySectionAndTheScratchFiles) {
    s_->soil.surcharge[++s_->soil.NSUR] = {kStripLoad, 0.5, 36, 24};
    ASSERT_EQ(GenerateEarthPressure(*s_), Step::kContinue);
    const Lines report = Report();
    const std::string rule = "      **************************************************";
    EXPECT_EQ(Section(report, rule, 9),
              (Lines{"      *        WALL INFORMATION                        *", rule, "",
                     "      FREE HEIGHT OF WALL                    =  0.600E+02 IN",
                     "      WIDTH FOR EARTH PRESSURE, WA           =  0.120E+02 IN",
                     "      WIDTH FOR SOIL RESISTANCE, WP          =  0.120E+02 IN",
                     "      DEPTH TO THE WATER TABLE AT BACKFILL   =  0.300E+02 IN",
                     "      DEPTH TO THE WATER TABLE AT EXCAVATION =  0.100E+07 IN",
                     "      UNIT WEIGHT OF WATER                   =  0.360E-01 LBS/IN**3"}));
    EXPECT_EQ(Section(report, "      *        SURCHARGE INFORMATION                   *", 9),
              (Lines{rule, "", "      UNIFORM SURFACE PRESSURE     = 0.000E+00 LBS/IN**2", "",
                     "      SURCHARGE LOADING NO.        =          1",
                     "      STRIP LOAD                   =  0.500E+00 LBS/IN**2",
                     "      WIDTH OF THE STRIP LOAD      =  0.240E+02 IN",
                     "      HORIZONTAL DISTANCE BETWEEN  =  0.360E+02 IN",
                     "      WALL AND MIDDLE OF STRIP WIDTH"}));
    EXPECT_EQ(Section(report, "      *        SOIL INFORMATION                        *", 9),
              (Lines{rule, "", "              TOTAL                 TOTAL UNIT",
                     "      LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP",
                     "       NO.     IN       PSI     DEG    PCI     T OR F    IN", "",
                     "        1     30.0        0.0  30.0    0.062      T      0.00",
                     "        2     30.0        0.0  30.0    0.062      T     30.00",
                     "        3    140.0        0.0  30.0    0.062      T     60.00"}));
    EXPECT_EQ(Section(report, "      *        EFFECTIVE OVERBURDEN STRESS             *", 8),
              (Lines{rule, "", "                DEPTH                     STRESS       ",
                     "                  IN                     LBS/IN**2", "",
                     "              0.000E+00                  0.000E+00",
                     "              0.300E+02                  0.188E+01",
                     "              0.600E+02                  0.267E+01"}));
    EXPECT_EQ(Section(report, "      * ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *", 6),
              (Lines{rule, "", "        LAYER         ACTIVE EARTH     PASSIVE EARTH   ",
                     "         NO.          COEFFICIENT      COEFFICIENT     ", "",
                     "          1             0.333E+00        0.300E+01"}));
    EXPECT_EQ(
        Section(report, "      *        ACTIVE EARTH PRESSURE OF EACH LAYER     *", 7),
        (Lines{rule, "",
               "       LAYER    PA1     Z1       PA2     Z2         PA3     Z3        PA4",
               "        NO     LBS/IN    IN    LBS/IN    IN      LBS/IN    IN      LBS/IN", "",
               "          1      3.39 15.00      9.37 20.00        0.00 15.00        0.00",
               "          2     21.04 45.00      3.97 50.00        0.00 45.00        0.00"}));
    EXPECT_EQ(Section(report, "      *        ACTIVE WATER PRESSURE OF EACH LAYER     *", 6),
              (Lines{rule, "", "       LAYER    PW1     Z1       PW2     Z2",
                     "        NO     LBS/IN    IN    LBS/IN    IN", "",
                     "          2      0.00 45.00     16.20 50.00"}));
    EXPECT_EQ(report.back(), "          2      0.00 45.00     16.20 50.00");

    // Stress at the excavation: 30 in of dry and 30 in of submerged sand.
    EXPECT_DOUBLE_EQ(s_->SIGVEXC, 30 * kSandWeight + 30 * (kSandWeight - kWater));
    EXPECT_EQ(s_->GAMW, kWater);

    const Lines torval = ReadLines(kTorvalFileName);
    ASSERT_EQ(torval.size(), 122u);  // the count and one line per inch from 0 to 120
    EXPECT_EQ(torval[0], "         121");
    EXPECT_EQ(torval[1], "      0.000E+00     0.000E+00     0.000E+00     0.000E+00");
    EXPECT_EQ(torval[61], "      0.600E+02     0.202E+01     0.197E+01     0.491E-01");
    EXPECT_EQ(torval[62], "      0.610E+02     0.937E+00     0.890E+00     0.472E-01");
    EXPECT_EQ(torval[121], "      0.120E+03     0.900E+00     0.890E+00     0.987E-02");
    EXPECT_TRUE(std::filesystem::exists("debug.dat"));
    EXPECT_EQ(std::filesystem::file_size("debug.dat"), 0u);
}

TEST_F(EarthPressureStep, SoilUnitLineFollowsTheUnitSystem) {
    struct Case {
        int KUNIT, labelCode;
        const char* unitLine;  // after the column heading; empty for none
    };
    const Case cases[] = {{2, -1, "       NO.     M        kPa     DEG   kN/M^3   T OR F    M "},
                          {3, 0, ""}};
    for (const Case& c : cases) {
        ASSERT_TRUE(s_->files.report.Open(kReportPath));
        s_->control.KUNIT = c.KUNIT;
        SetUnitLabels(s_->labels, c.labelCode);
        s_->grid.H = 0.1;  // a wall of 3 length units
        s_->grid.HFREE = 1.5;
        s_->soil.ZWB = 0.75;
        s_->soil.layer[1].depth = 5;
        ASSERT_EQ(GenerateEarthPressure(*s_), Step::kContinue);
        const Lines lines =
            Section(Report(), "      LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP", 1);
        EXPECT_EQ(lines, (Lines{c.unitLine})) << c.KUNIT;
        EXPECT_EQ(s_->GAMW, c.KUNIT == 2 ? 9.81 : kWater);
    }
}

TEST_F(EarthPressureStep, SteepSlopeWarnsInTheReportAndTheRunNotes) {
    s_->soil.BETA = 35;
    ASSERT_EQ(GenerateEarthPressure(*s_), Step::kContinue);
    const Lines warning{"      **** WARNING ******",
                        "      THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL "
                        "FRICTION ANGLE OF SAND."};
    Lines notes = warning;  // once for each of the two sublayers above the excavation
    notes.insert(notes.end(), warning.begin(), warning.end());
    EXPECT_EQ(Notes(), notes);
    EXPECT_EQ(Section(Report(), "              0.600E+02                  0.267E+01", 4),
              (Lines{notes[0], notes[1], notes[2], notes[3]}));
}

TEST_F(EarthPressureStep, NegativeNetActiveForceIsReportedAndTheRunGoesOn) {
    s_->soil = DrySoil();
    AddLayer(s_->soil, kSoftClay, 200, 0.07, 20, 0);
    ASSERT_EQ(GenerateEarthPressure(*s_), Step::kContinue);
    EXPECT_EQ(Report().back(), "      Net active pressure is negative.");
    EXPECT_TRUE(std::filesystem::exists(kTorvalFileName));
}

TEST_F(EarthPressureStep, AnchoredWallGetsTheTrapezoidAboveTheExcavation) {
    s_->control.KOUTPT = 3;
    s_->supports = {24, 24, 1};
    ASSERT_EQ(GenerateEarthPressure(*s_), Step::kContinue);
    const Lines torval = ReadLines(kTorvalFileName);
    auto total = [&](int depth) { return std::stod(torval[depth + 1].substr(19, 10)); };
    // H1 = 16, H2 = 20, H3 = 24: rising to 16, flat to 36, zero at the excavation.
    const double pmax = total(16);
    EXPECT_GT(pmax, 0);
    EXPECT_NEAR(total(8), pmax / 2, 1e-3);
    EXPECT_EQ(total(36), pmax);
    EXPECT_NEAR(total(48), pmax / 2, 1e-3);
    EXPECT_EQ(total(60), 0);
    EXPECT_EQ(torval[62], "      0.610E+02     0.890E+00     0.890E+00     0.000E+00");
}

struct StopCase {
    const char* name;
    void (*setup)(EngineState&);
    const char* message;
    const char* after;  // the report section the stop follows
};

const StopCase kStopCases[] = {
    {"LayersEndAboveTheExcavation", [](EngineState& s) { s.soil.layer[1].depth = 50; },
     "     ERROR STOP -- THE SOIL LAYERS DO NOT REACH THE EXCAVATION LEVEL",
     "      *        SOIL INFORMATION                        *"},
    {"TooManyLayers", [](EngineState& s) { s.soil.NSOIL = kMaxSoilLayers + 1; },
     "     ERROR STOP -- MORE THAN 20 SOIL SUBLAYERS",
     "      *        SOIL INFORMATION                        *"},
    {"SurchargeWithoutFreeHeight",
     [](EngineState& s) {
         s.grid.HFREE = 0;
         s.soil.surcharge[++s.soil.NSUR] = {kPointLoad, 1000, 24, 0};
     },
     "     ERROR STOP -- SURCHARGE LOADS NEED A FREE HEIGHT ABOVE ZERO",
     "      *        SURCHARGE INFORMATION                   *"},
    {"TrapezoidWithoutSupport", [](EngineState& s) { s.control.KOUTPT = 3; },
     "     ERROR STOP -- TRAPEZOIDAL EARTH PRESSURE NEEDS A SPRING OR TIEBACK",
     "      *        ACTIVE EARTH PRESSURE OF EACH LAYER     *"},
    {"TooManyPoints",
     [](EngineState& s) {
         s.grid.NINC = 401;
         s.grid.H = 6;
         s.soil.layer[1].depth = 3000;
     },
     "     ERROR STOP -- MORE THAN 2000 EARTH PRESSURE POINTS",
     "      *        ACTIVE EARTH PRESSURE OF EACH LAYER     *"},
};

class EarthPressureStop : public EarthPressureStep,
                          public ::testing::WithParamInterface<StopCase> {};

// A stop writes its message after two empty lines as the last report lines
// and leaves no scratch file.
TEST_P(EarthPressureStop, EndsWithAClearMessage) {
    const StopCase& c = GetParam();
    c.setup(*s_);
    EXPECT_EQ(GenerateEarthPressure(*s_), Step::kStop);
    const Lines report = Report();
    ASSERT_GE(report.size(), 3u);
    EXPECT_EQ((Lines(report.end() - 3, report.end())), (Lines{"", "", c.message}));
    EXPECT_FALSE(Section(report, c.after, 1).empty());
    EXPECT_FALSE(std::filesystem::exists(kTorvalFileName));
}

INSTANTIATE_TEST_SUITE_P(Cases, EarthPressureStop, ::testing::ValuesIn(kStopCases),
                         [](const ::testing::TestParamInfo<StopCase>& test) {
                             return std::string(test.param.name);
                         });

}  // namespace
}  // namespace keldra
