#include "engine/curve_store.h"

#include "engine/input_grid.h"
#include "engine/run_stop.h"

namespace keldra {

Step StoreCurve(EngineState& s, int k, int station, int joined, int points, const double* y,
                const double* p) {
    if (!HasStationSlot(s, station)) {
        return StopRun(s, "     ERROR -- P-Y CURVE AT A STATION OUTSIDE THE WALL GRID");
    }
    CurveStore& c = s.curves;
    c.JFRC[k] = c.JTOC[k] = station + kStationOffset;
    c.KCTC[k] = joined;
    c.NPC[k] = points;
    for (int m = 1; m <= points; ++m) {
        c.YC[k][m] = y[m];
        c.PC[k][m] = s.grid.H * p[m];
    }
    return Step::kContinue;
}

}  // namespace keldra
