#include "engine/nonlinear_ei.h"

#include <cmath>

namespace keldra {

void UpdateFlexuralRigidity(EngineState& s) {
    const MomentEiSets& sets = s.mei;
    double* F = s.sta.F;
    const double* W = s.sta.W;
    for (int k = 1; k <= s.control.NMEI; ++k) {
        const int m = sets.points[k];
        const double* M = sets.EMM[k];
        const double* EI = sets.EEI[k];
        for (int J = sets.first[k]; J <= sets.last[k]; ++J) {
            const double kappa = std::fabs(W[J - 1] - 2.0 * W[J] + W[J + 1]) / s.grid.HSQ;
            int L = 2;
            while (L <= m - 1 && !(M[L] > kappa * EI[L])) ++L;
            if (L > m - 1) L = m;
            // M(t) - kappa EI(t) = 0 along the segment L-1 .. L.
            const double denominator = (EI[L] - EI[L - 1]) * kappa - M[L] + M[L - 1];
            if (denominator == 0.0) continue;
            const double t = (M[L - 1] - kappa * EI[L - 1]) / denominator;
            F[J] = EI[L - 1] + t * (EI[L] - EI[L - 1]);
        }
    }
}

}  // namespace keldra
