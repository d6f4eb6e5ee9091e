#include "engine/input_moment_ei.h"

#include "engine/fixed_line.h"
#include "engine/run_stop.h"
#include "engine/value_checks.h"

namespace keldra {

Step ReadMomentEI(EngineState& s, FreeFormatReader& in) {
    const int NMEI = s.control.NMEI;
    if (NMEI > kMaxMomentEiSets)
        return StopTooMuchData(s, MoreThan(kMaxMomentEiSets, "MOMENT-EI SETS"));
    MomentEiSets& sets = s.mei;
    for (int k = 1; k <= NMEI; ++k) {
        int first = 0, last = 0, points = 0;
        if (!in.Read(first, last, points)) return StopOnReadFailure(s, in);
        if (points > kMaxMomentEiPoints) {
            return StopTooMuchData(s, MoreThan(kMaxMomentEiPoints, "POINTS IN A MOMENT-EI SET"));
        }
        if (points < 2) return StopRun(s, "     ERROR -- A MOMENT-EI SET NEEDS AT LEAST 2 POINTS");
        if (last < first) return StopRun(s, kStationsNotInOrder);
        // The curvature at a station needs its two neighbours on the wall.
        if (first < 0 || last > s.grid.NINC) {
            return StopRun(s, "     ERROR -- MOMENT-EI SET OUTSIDE THE STATIONS OF THE WALL");
        }
        sets.first[k] = first + kStationOffset;
        sets.last[k] = last + kStationOffset;
        sets.points[k] = points;
        for (int m = 1; m <= points; ++m) {
            if (!in.Read(sets.EMM[k][m], sets.EEI[k][m])) return StopOnReadFailure(s, in);
            if (RequireValue(s, kFlexuralRigidity, Bound::kPositive, sets.EEI[k][m],
                             FixedLine().Text(" IN MOMENT-EI SET").I(3, k).View()) == Step::kStop) {
                return Step::kStop;
            }
        }
    }
    return Step::kContinue;
}

}  // namespace keldra
