#include "engine/solver.h"

#include <cmath>
#include <cstring>

#include "engine/nonlinear_ei.h"
#include "engine/report_preamble.h"
#include "engine/report_results.h"
#include "engine/results.h"
#include "engine/run_notes.h"
#include "engine/soil_springs.h"

namespace keldra {

namespace {

// The coefficients at the station before a given slope, which the station
// after it needs.
struct SlopeStart {
    double D, A, B, C;
};

void Eliminate(EngineState& s) {
    StationArrays& a = s.sta;
    const double* F = a.F;
    const double* P = a.P;
    const double* R = a.R;
    const double* T = a.T;
    const double h = s.grid.H, h2 = s.grid.HSQ, h3 = s.grid.HCUBE;
    int r = 1;  // running index of the specified rows
    SlopeStart saved{1.0, 0.0, 0.0, 0.0};
    for (int J = 3; J <= s.grid.NINC + 5; ++J) {
        const double before = h * P[J - 1] + R[J - 1];
        const double after = h * P[J + 1] + R[J + 1];
        const double ca = F[J - 1] - 0.25 * h * before;
        const double cb = -2.0 * (F[J - 1] + F[J]);
        const double cc =
            F[J - 1] + 4.0 * F[J] + F[J + 1] + h3 * a.SS[J] + 0.25 * h * (after + before);
        const double cd = -2.0 * (F[J] + F[J + 1]);
        const double ce = F[J + 1] - 0.25 * h * after;
        const double cf = h3 * a.QS[J] - 0.5 * h2 * (T[J - 1] - T[J + 1]);

        const double E = ca * a.BB[J - 2] + cb;
        const double DEN = ca * a.AA[J - 2] + E * a.BB[J - 1] + cc;
        const double D = DEN == 0.0 ? 0.0 : -1.0 / DEN;
        a.AA[J] = ce * D;
        a.BB[J] = (E * a.AA[J - 1] + cd) * D;
        a.CC[J] = (ca * a.CC[J - 2] + E * a.CC[J - 1] - cf) * D;

        switch (a.KODE[J]) {
            case kDeflectionGiven:
                a.AA[J] = 0.0;
                a.BB[J] = 0.0;
                a.CC[J] = s.specified.SPDF[r++];
                break;
            case kBeforeGivenSlope:
                saved = {D, a.AA[J], a.BB[J], a.CC[J]};
                a.AA[J] = 1.0;
                a.BB[J] = 0.0;
                a.CC[J] = -s.grid.H2 * s.specified.SPSL[r];
                break;
            case kDeflectionAndSlope:
                a.AA[J] = 0.0;
                a.BB[J] = 0.0;
                a.CC[J] = s.specified.SPDF[r];
                break;
            case kAfterGivenSlope: {
                const double ratio = saved.D == 0.0 ? 0.0 : D / saved.D;
                const double G = 1.0 / (1.0 - (saved.B * a.BB[J - 1] + saved.A - 1.0) * ratio);
                a.AA[J] = G * a.AA[J];
                a.BB[J] = (saved.B * a.AA[J - 1] * ratio + a.BB[J]) * G;
                a.CC[J] =
                    ((saved.B * a.CC[J - 1] + s.grid.H2 * s.specified.SPSL[r] + saved.C) * ratio +
                     a.CC[J]) *
                    G;
                ++r;
                break;
            }
            default:
                break;
        }
        if (r > kMaxSpecified) r = kMaxSpecified;  // never read past the rows held
    }
}

// Back substitution; counts the stations 0 .. NINC beyond WMAX and not closed.
void BackSubstitute(EngineState& s, SolveOutcome& outcome) {
    StationArrays& a = s.sta;
    double* W = a.W;
    const int top = s.grid.NINC + 5;
    W[top] = a.AA[top] * W[top + 2] + a.BB[top] * W[top + 1] + a.CC[top];
    outcome.NMX = 0;
    outcome.NNC = 0;
    for (int J = top - 1; J >= 4; --J) {
        const double w0 = W[J];
        W[J] = a.AA[J] * W[J + 2] + a.BB[J] * W[J + 1] + a.CC[J];
        if (std::fabs(W[J]) > s.grid.WMAX) ++outcome.NMX;
        if (std::fabs(W[J] - w0) > s.grid.TOL) ++outcome.NNC;
    }
    W[3] = a.AA[3] * W[5] + a.BB[3] * W[4] + a.CC[3];
}

bool DeflectionsFinite(const EngineState& s) {
    for (int J = 3; J <= s.grid.NINC + 5; ++J) {
        if (!std::isfinite(s.sta.W[J])) return false;
    }
    return true;
}

int CountMovedSinceEIUpdate(const EngineState& s) {
    int moved = 0;
    for (int J = 4; J <= s.grid.NINC + 4; ++J) {
        if (std::fabs(s.sta.W[J] - s.sta.WOLD[J]) > s.grid.TOL) ++moved;
    }
    return moved;
}

}  // namespace

Step Iterate(EngineState& s, SolveOutcome& outcome) {
    StationArrays& a = s.sta;
    const int last = s.grid.NINC + 7;
    std::memset(a.W, 0, sizeof(double) * (last + 1));
    std::memcpy(a.WOLD, a.W, sizeof(a.WOLD));
    outcome = {0, false, 0, 0, true};
    for (int ITER = 1; ITER <= s.ITMAX; ++ITER) {
        outcome.ITER = ITER;
        for (int J = 3; J <= s.grid.NINC + 5; ++J) {
            a.QS[J] = a.Q[J];
            a.SS[J] = a.S[J];
        }
        outcome.KOFF = false;
        if (AddSoilSprings(s, outcome.KOFF) == Step::kStop) return Step::kStop;
        Eliminate(s);
        BackSubstitute(s, outcome);
        WriteMonitorLine(s, outcome.ITER, outcome.KOFF, outcome.NNC);
        outcome.finite = DeflectionsFinite(s);
        if (!outcome.finite) return Step::kContinue;  // no later iteration can recover
        if (outcome.NMX > 0) return Step::kContinue;
        if (outcome.NNC > 0) continue;
        if (s.control.NMEI == 0) return Step::kContinue;
        outcome.NNC = CountMovedSinceEIUpdate(s);
        if (outcome.NNC == 0) return Step::kContinue;
        std::memcpy(a.WOLD + 4, a.W + 4, sizeof(double) * (s.grid.NINC + 1));
        UpdateFlexuralRigidity(s);
    }
    outcome.ITER = s.ITMAX;
    return Step::kContinue;
}

Step Solve(EngineState& s) {
    WriteStageHeader(s);
    WriteMonitorTitle(s);
    SolveOutcome outcome{};
    if (Iterate(s, outcome) == Step::kStop) return Step::kStop;
    StationResults results;
    ComputeResults(s, results);
    outcome.finite = outcome.finite && ResultsFinite(s, results);
    WriteResultsSection(s, outcome, results);
    return Step::kContinue;
}

}  // namespace keldra
