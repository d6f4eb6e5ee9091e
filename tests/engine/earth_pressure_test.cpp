// Earth pressure as station loads, and the points of a generated table that
// the report and the plot data show.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/earth_pressure_loads.h"
#include "engine/input_earth_pressure.h"

namespace keldra {

TEST(EarthPressure, LongGeneratedTablesAreEchoedSparsely) {
    auto echoed = [](int n, int KUNIT) {
        std::vector<int> points;
        for (int k = 1; k <= n; ++k) {
            if (IsEchoedPressurePoint(k, n, KUNIT)) points.push_back(k);
        }
        return points;
    };
    EXPECT_EQ(echoed(51, 1), (std::vector<int>{1, 7, 13, 19, 25, 31, 37, 43, 49, 51}));
    EXPECT_EQ(echoed(53, 2),
              (std::vector<int>{1, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41, 45, 49, 53}));
    EXPECT_EQ(echoed(50, 1).size(), 50u);
    EXPECT_EQ(echoed(49, 1).back(), 49);
}

TEST(EarthPressure, StationLoadsFromTheTable) {
    auto s = std::make_unique<EngineState>();
    s->grid.NINC = 10;
    s->grid.H = 12.0;
    EarthPressureTable& ep = s->ep;
    ep.count = 2;
    ep.ZEP[1] = 24.0;
    ep.PAEP[1] = 120.0;
    ep.ZEP[2] = 54.0;  // half an increment above station 5
    ep.PAEP[2] = 240.0;
    AddEarthPressureLoads(*s, ep.ZEP[2]);
    const double* Q = s->sta.Q + kStationOffset;
    EXPECT_EQ(Q[0], 0.0) << "the top station takes no earth pressure";
    EXPECT_DOUBLE_EQ(Q[1], 60.0) << "from zero at the top to the first point";
    EXPECT_DOUBLE_EQ(Q[2], 120.0);
    EXPECT_DOUBLE_EQ(Q[3], 168.0);
    EXPECT_DOUBLE_EQ(Q[4], 216.0);
    EXPECT_DOUBLE_EQ(Q[5], 240.0) << "the nearest station to the end takes the last value";
    EXPECT_EQ(Q[6], 0.0);
}

}  // namespace keldra
