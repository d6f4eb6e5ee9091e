#include "engine/earth_pressure_loads.h"

#include <cmath>

namespace keldra {

double EarthPressureAt(const EarthPressureTable& ep, double z) {
    const int n = ep.count;
    if (n == 0) return 0.0;
    // At and below the last depth the last pressure holds: the station
    // nearest a table that ends within half an increment is loaded fully.
    if (z >= ep.ZEP[n]) return ep.PAEP[n];
    int k = 1;
    while (k <= n && z > ep.ZEP[k]) ++k;
    if (k > n) return 0.0;
    const double z0 = k == 1 ? 0.0 : ep.ZEP[k - 1];
    const double p0 = k == 1 ? 0.0 : ep.PAEP[k - 1];
    // k is the first point at or below z, so z0 < z <= ZEP(k).
    return p0 + (ep.PAEP[k] - p0) * (z - z0) / (ep.ZEP[k] - z0);
}

void AddEarthPressureLoads(EngineState& s, double z_end) {
    if (s.ep.count == 0) return;
    const double H = s.grid.H;
    const double stations = std::round(z_end / H);
    if (!(stations >= 1.0)) return;
    // Loads reach at most the last station slot; past the tip the check of
    // data beyond the end stops the run anyway.
    const int last = stations > s.grid.NINC + 3 ? s.grid.NINC + 3 : static_cast<int>(stations);
    for (int i = 1; i <= last; ++i) s.sta.Q[i + kStationOffset] += EarthPressureAt(s.ep, i * H);
}

}  // namespace keldra
