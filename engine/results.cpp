#include "engine/results.h"

#include <cmath>

namespace keldra {

namespace {

// A couple applied at a station jumps the shear there: the central
// differences of the moment spread the jump over the neighbours.
void CorrectForCouples(const EngineState& s, StationResults& results) {
    const int lowest = 3, highest = s.grid.NINC + 5;
    auto at = [&](int station) -> StationResult* {
        const int J = station + kStationOffset;
        return J >= lowest && J <= highest ? &results.at[J] : nullptr;
    };
    for (int k = 1; k <= s.couples.count; ++k) {
        const int j = s.couples.JTCOR[k];
        const double t = s.couples.TCOR[k];
        if (StationResult* r = at(j)) r->shear -= t;
        if (StationResult* r = at(j - 1)) {
            r->shear -= 0.5 * t;
            r->reaction -= t;
        }
        if (StationResult* r = at(j + 1)) {
            r->shear -= 0.5 * t;
            r->reaction += t;
        }
    }
}

}  // namespace

void ComputeResults(EngineState& s, StationResults& results) {
    double* W = s.sta.W;
    const double* F = s.sta.F;
    const int NINC = s.grid.NINC;
    const double h = s.grid.H;
    W[2] = 2.0 * W[3] - W[4];
    W[NINC + 6] = 2.0 * W[NINC + 5] - W[NINC + 4];
    double M[kStationSlots + 1] = {};
    for (int J = 4; J <= NINC + 6; ++J)
        M[J] = F[J] * (W[J - 1] - 2.0 * W[J] + W[J + 1]) / s.grid.HSQ;
    for (int J = 3; J <= NINC + 5; ++J) {
        StationResult& r = results.at[J];
        r.x = (J - kStationOffset) * h;
        r.deflection = W[J];
        r.slope = (W[J + 1] - W[J - 1]) / s.grid.H2;
        r.moment = M[J];
        r.shear = (M[J + 1] - M[J - 1]) / s.grid.H2;
        r.reaction = (M[J - 1] - 2.0 * M[J] + M[J + 1]) / h;
        r.EI = F[J];
    }
    CorrectForCouples(s, results);
    s.results.NRES = NINC + 2;
    for (int i = 0; i <= NINC + 1; ++i) {
        const StationResult& r = results.at[i + kStationOffset];
        s.results.row[i + 1] = {r.x, r.deflection, r.moment, r.shear, r.reaction};
    }
}

bool ResultsFinite(const EngineState& s, const StationResults& results) {
    for (int i = 0; i <= s.grid.NINC + 1; ++i) {
        const StationResult& r = results.at[i + kStationOffset];
        for (double v : {r.deflection, r.slope, r.moment, r.shear, r.reaction}) {
            if (!std::isfinite(v)) return false;
        }
    }
    return true;
}

}  // namespace keldra
