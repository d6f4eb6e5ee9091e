// The generated earth pressure through a whole run: the step writes
// TORVAL.001 in E10.3, the driver reads it back into the earth-pressure table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "engine/driver.h"
#include "engine/names_file.h"
#include "engine/torval_file.h"
#include "engine_run.h"

namespace keldra {
namespace {

namespace fs = std::filesystem;

class EarthPressureRun : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = scratch_.dir();
        previous_ = fs::current_path();
        fs::current_path(dir_);
    }
    void TearDown() override { fs::current_path(previous_); }

    // Runs the example project with pieces of its text replaced.
    void RunExample(std::initializer_list<std::pair<std::string, std::string>> edits) {
        std::string project = testing::ReadFile(fs::path(KELDRA_SOURCE_DIR) / "examples" /
                                                "cantilever_generated_triangular.kd5d");
        for (const auto& [from, to] : edits) {
            const std::size_t at = project.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            project.replace(at, from.size(), to);
        }
        std::ofstream(dir_ / "wall.kd5d", std::ios::binary) << project;
        std::ofstream names(kNamesFile);
        names << "2015.5.6\n";
        for (const char* ext : {"kd5d", "kd5o", "kd5p", "kd5r"})
            names << (dir_ / (std::string("wall.") + ext)).string() << "\n";
        names.close();
        EXPECT_EQ(keldra::Run(*s_), RunOutputs::kComplete);
    }

    std::unique_ptr<EngineState> s_ = std::make_unique<EngineState>();
    testing::EngineRun scratch_;
    fs::path dir_, previous_;
};

TEST_F(EarthPressureRun, TableIsReadBackAsWrittenWithTheWidthOfEachSide) {
    RunExample({{"120\t12\t12\t90", "120\t12\t18\t90"}});  // WP = 18
    const std::string report = testing::ReadFile(dir_ / "wall.kd5o");
    ASSERT_NE(report.find("     END OF ANALYSIS"), std::string::npos);
    ASSERT_EQ(report.find("ERROR"), std::string::npos);

    std::istringstream torval(testing::ReadFile(kTorvalFileName));
    int count = 0;
    torval >> count;
    ASSERT_EQ(count, 241);  // one point per inch over the 240 in wall
    ASSERT_EQ(s_->ep.count, count);
    const double H = 6, HFREE = 120;
    for (int k = 1; k <= count; ++k) {
        double depth, total, soil, surcharge;
        torval >> depth >> total >> soil >> surcharge;
        const double width = depth > HFREE ? 18 : 12;
        EXPECT_EQ(s_->ep.ZEP[k], depth) << k;
        EXPECT_EQ(s_->ep.PAEP[k], total * width * H) << k;
        EXPECT_EQ(s_->ep.PASOIL[k], soil * width) << k;
        EXPECT_EQ(s_->ep.PASUR[k], surcharge * width) << k;
    }
    // The written values carry three significant digits: the read-back
    // table is what the wall is loaded with.
    // At 60 in the file holds 0.600E+02 0.120E+01 0.115E+01 0.500E-01.
    EXPECT_EQ(s_->ep.ZEP[61], 60);
    EXPECT_DOUBLE_EQ(s_->ep.PAEP[61], 1.20 * 12 * H);
    EXPECT_DOUBLE_EQ(s_->ep.PASOIL[61], 1.15 * 12);
    EXPECT_DOUBLE_EQ(s_->ep.PASUR[61], 0.05 * 12);
    EXPECT_DOUBLE_EQ(s_->SIGVEXC, 90 * 0.0625 + 30 * (0.0625 - 0.036));

    // The pressure rows follow the last earth-pressure section.
    const std::string waterRow = "          2      0.00105.00     16.20110.00\n";
    const std::size_t row = report.find(waterRow);
    ASSERT_NE(row, std::string::npos);
    EXPECT_EQ(report.substr(row + waterRow.size(), 47),
              "\n\n         DEPTH         ACTIVE EARTH PRESSURE\n");
}

TEST_F(EarthPressureRun, LayersAboveTheExcavationEndTheRunInOrder) {
    // The layers end 10 in above the excavation.
    RunExample({{"4 150 ", "4 100 "}, {"5 300 ", "5 110 "}});
    const std::string report = testing::ReadFile(dir_ / "wall.kd5o");
    const std::string ending =
        "\n\n     ERROR STOP -- THE SOIL LAYERS DO NOT REACH THE EXCAVATION LEVEL\n"
        "\n\n\n     END OF ANALYSIS";
    ASSERT_NE(report.find(ending), std::string::npos);
    EXPECT_EQ(report.find("EFFECTIVE OVERBURDEN STRESS"), std::string::npos);
    EXPECT_EQ(report.find("RESULTS"), std::string::npos);
}

}  // namespace
}  // namespace keldra
