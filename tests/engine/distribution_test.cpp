#include "engine/distribution.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace keldra {

namespace {

struct Row {
    int from, to, contd;
    double value;
};

// A 20-increment wall whose rows go into F.
std::unique_ptr<EngineState> Distribute(std::initializer_list<Row> rows, Step* last_step = nullptr,
                                        std::vector<int>* ksws = nullptr) {
    auto s = std::make_unique<EngineState>();
    s->grid.NINC = 20;
    s->grid.H = 1.0;
    DistributedGroup group(*s, {s->sta.F});
    for (const Row& row : rows) {
        int ksw = 0;
        const Step step = group.AddRow(row.from, row.to, row.contd, &row.value, ksw);
        if (last_step != nullptr) *last_step = step;
        if (ksws != nullptr) ksws->push_back(ksw);
        if (step == Step::kStop) break;
    }
    return s;
}

double At(const EngineState& s, int station) { return s.sta.F[station + kStationOffset]; }

}  // namespace

TEST(Distribution, OneRowHalvesItsEndStations) {
    const auto s = Distribute({{0, 20, 1, 1000.0}});
    EXPECT_EQ(At(*s, 0), 500.0);
    EXPECT_EQ(At(*s, 20), 500.0);
    for (int i = 1; i <= 19; ++i) EXPECT_EQ(At(*s, i), 1000.0) << i;
    EXPECT_EQ(At(*s, 21), 0.0);
}

TEST(Distribution, AbuttingRowsShareTheirEndStation) {
    const auto s = Distribute({{0, 10, 1, 1000.0}, {10, 20, 1, 2000.0}});
    EXPECT_EQ(At(*s, 9), 1000.0);
    EXPECT_EQ(At(*s, 10), 1500.0);
    EXPECT_EQ(At(*s, 11), 2000.0);
}

TEST(Distribution, LinearRangeBetweenTwoRows) {
    std::vector<int> ksws;
    const auto s = Distribute({{0, 0, 2, 1000.0}, {20, 20, 1, 3000.0}}, nullptr, &ksws);
    EXPECT_EQ(ksws, (std::vector<int>{2, 3}));
    EXPECT_EQ(At(*s, 0), 500.0);
    EXPECT_EQ(At(*s, 20), 1500.0);
    for (int i = 1; i <= 19; ++i) EXPECT_DOUBLE_EQ(At(*s, i), 1000.0 + 100.0 * i) << i;
}

TEST(Distribution, ChainedLinearRanges) {
    std::vector<int> ksws;
    const auto s =
        Distribute({{0, 0, 2, 0.0}, {10, 10, 2, 100.0}, {20, 20, 1, 0.0}}, nullptr, &ksws);
    EXPECT_EQ(ksws, (std::vector<int>{2, 4, 3}));
    EXPECT_DOUBLE_EQ(At(*s, 5), 50.0);
    EXPECT_DOUBLE_EQ(At(*s, 10), 100.0);
    EXPECT_DOUBLE_EQ(At(*s, 15), 50.0);
}

TEST(Distribution, RowsThatAddNothingOrOneStation) {
    // A last row that starts a linear range adds nothing.
    auto s = Distribute({{3, 3, 2, 10.0}});
    for (int i = -3; i <= 23; ++i) EXPECT_EQ(At(*s, i), 0.0) << i;
    // A single station takes the whole value.
    s = Distribute({{7, 7, 1, 10.0}});
    EXPECT_EQ(At(*s, 7), 10.0);
    EXPECT_EQ(At(*s, 6) + At(*s, 8), 0.0);
}

TEST(Distribution, RejectedRows) {
    const Row rejected[] = {
        {10, 5, 1, 1.0},                   // ends before it starts
        {0, 20, 3, 1.0},                   // CONTD other than 1 and 2
        {0, 20, 0, 1.0}, {-4, 5, 1, 1.0},  // outside the station storage
        {0, 24, 1, 1.0},
    };
    for (const Row& row : rejected) {
        Step step = Step::kContinue;
        const auto s = Distribute({row}, &step);
        EXPECT_EQ(step, Step::kStop) << row.from << " " << row.to << " " << row.contd;
    }
}

}  // namespace keldra
