#include "engine/soil_springs.h"

#include "engine/curve_evaluation.h"
#include "engine/run_stop.h"

namespace keldra {

namespace {

// Curves `start` and `end` over the indices j1 .. j2, added from j1 to j3.
struct Pair {
    int start, end;
    int j1, j2;
};

void AddAt(EngineState& s, const Pair& pair, int J, double weight, bool& off_curve) {
    const double w = s.sta.W[J];
    const SegmentSpring a = EvaluateCurve(s.curves, pair.start, w, off_curve);
    const SegmentSpring b = EvaluateCurve(s.curves, pair.end, w, off_curve);
    const int span = pair.j2 - pair.j1;
    const double rho = span == 0 ? 0.0 : static_cast<double>(J - pair.j1) / span;
    s.sta.QS[J] += weight * (a.intercept + (b.intercept - a.intercept) * rho);
    s.sta.SS[J] += weight * (a.stiffness + (b.stiffness - a.stiffness) * rho);
}

// Adds a pair's springs; the wall ends at its tip (index NINC + 4).
void AddPair(EngineState& s, const Pair& pair, bool& off_curve) {
    const int tip = s.grid.NINC + kStationOffset;
    if (pair.j2 == pair.j1) {
        if (pair.j1 <= tip) AddAt(s, pair, pair.j1, 1.0, off_curve);
        return;
    }
    if (pair.j1 >= tip) return;
    const int j3 = pair.j2 < tip ? pair.j2 : tip;
    for (int J = pair.j1; J <= j3; ++J) AddAt(s, pair, J, 1.0, off_curve);
    AddAt(s, pair, pair.j1, -0.5, off_curve);
    AddAt(s, pair, j3, -0.5, off_curve);
}

}  // namespace

Step AddSoilSprings(EngineState& s, bool& off_curve) {
    const CurveStore& c = s.curves;
    int pending = 0;  // continuation flag of the curve waiting for its partner
    int start = 0;
    int start_index = 0;  // first index of the pair that `start` begins
    for (int k = 1; k <= c.count; ++k) {
        if (pending <= 0) {
            start = k;
            start_index = c.JFRC[k];
            if (c.KCTC[k] > 0) {
                pending = c.KCTC[k];
                continue;
            }
        }
        const Pair pair{start, k, start_index, c.JTOC[k]};
        if (pair.j2 < pair.j1) return StopRun(s, kStationsNotInOrder);
        if (pair.j2 == pair.j1 && k > start) continue;
        AddPair(s, pair, off_curve);
        if (c.KCTC[k] > 0) {
            start = k;
            start_index = c.JTOC[k];
        }
        pending = c.KCTC[k];
    }
    return Step::kContinue;
}

}  // namespace keldra
