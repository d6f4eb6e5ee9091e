// SOILDATA as the p-y generation writes it, read back into the curve store.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/input_py_curves.h"
#include "engine_run.h"

namespace keldra {

namespace {

// One generated curve: rows 1..17 excavation side, 18..34 backfill side, each
// y = 0, 0.1, ... with p = 0, 10, ... (backfill side p twice as large).
std::string GeneratedCurve(double depth) {
    char line[128];
    std::snprintf(line, sizeof line, "%10.3E%6d\n", depth, 1);
    std::string text = line;
    for (int m = 1; m <= 34; ++m) {
        const int k = m <= 17 ? m - 1 : m - 18;
        const double y = 0.1 * k, p = (m <= 17 ? 10.0 : 20.0) * k;
        std::snprintf(line, sizeof line, "%5d%10.3E%10.3E\n", m, p, y);
        text += line;
    }
    return text;
}

struct Readback {
    std::unique_ptr<EngineState> s = std::make_unique<EngineState>();
    std::string plot;
};

Readback ReadBack(const std::string& soildata, int NUPY) {
    testing::EngineRun dir;
    testing::WriteFile(dir.dir() / "SOILDATA", soildata);
    Readback r;
    EngineState& s = *r.s;
    s.grid.NINC = 20;
    s.grid.H = 6.0;
    s.control.KUNIT = 1;
    s.control.NUPY = NUPY;
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.dir());
    EXPECT_TRUE(s.files.report.Open("report.txt"));
    EXPECT_TRUE(s.files.plot.Open("plot.txt"));
    EXPECT_EQ(ReadSoilData(s), Step::kContinue);
    EXPECT_TRUE(s.files.report.Close());
    EXPECT_TRUE(s.files.plot.Close());
    std::filesystem::current_path(cwd);
    r.plot = testing::ReadFile(dir.dir() / "plot.txt");
    return r;
}

}  // namespace

TEST(PyCurveReadback, GeneratedCurveJoinsBothSides) {
    const Readback r = ReadBack("1\n" + GeneratedCurve(72.0), 0);
    const CurveStore& c = r.s->curves;
    ASSERT_EQ(c.count, 1);
    EXPECT_EQ(c.NPC[1], 33);
    EXPECT_EQ(c.JFRC[1], 12 + kStationOffset);
    EXPECT_EQ(c.KCTC[1], 1);
    // Points 1..17: the backfill side from its largest deflection back to 0.
    EXPECT_DOUBLE_EQ(c.YC[1][1], -1.6);
    EXPECT_DOUBLE_EQ(c.PC[1][1], 6.0 * 320.0);
    EXPECT_DOUBLE_EQ(c.YC[1][17], 0.0);
    // Points 18..33: the excavation side, y > 0 with p < 0.
    for (int m = 18; m <= 33; ++m) {
        EXPECT_GT(c.YC[1][m], 0.0) << m;
        EXPECT_LT(c.PC[1][m], 0.0) << m;
    }
    EXPECT_DOUBLE_EQ(c.YC[1][18], 0.1);
    EXPECT_DOUBLE_EQ(c.PC[1][33], -6.0 * 160.0);
    // Generated-only curves are labelled by depth in the plot data.
    EXPECT_EQ(r.plot.substr(0, 4), "1 1\n");
    EXPECT_NE(r.plot.find("\n      72.00    33\n"), std::string::npos) << r.plot;
}

TEST(PyCurveReadback, UserCurvesComeFirstAndStandAlone) {
    const std::string user = "5 3\n1 100 -1\n2 0 0\n3 -100 1\n";
    const Readback r = ReadBack("2\n" + user + GeneratedCurve(90.0), 1);
    const CurveStore& c = r.s->curves;
    ASSERT_EQ(c.count, 2);
    EXPECT_EQ(c.JFRC[1], 5 + kStationOffset);
    EXPECT_EQ(c.KCTC[1], 0);
    EXPECT_EQ(c.NPC[1], 3);
    EXPECT_DOUBLE_EQ(c.YC[1][3], 1.0);
    EXPECT_DOUBLE_EQ(c.PC[1][3], -600.0);
    EXPECT_EQ(c.JFRC[2], 15 + kStationOffset);
    EXPECT_NE(r.plot.find("\n15 33\n"), std::string::npos) << "labelled by station";
}

}  // namespace keldra
