#include "engine/curve_evaluation.h"

namespace keldra {

SegmentSpring EvaluateCurve(const CurveStore& store, int k, double w, bool& off_curve) {
    const int m = store.NPC[k];
    const double* y = store.YC[k];
    const double* p = store.PC[k];
    if (m < 2) {
        off_curve = true;
        return {0.0, 0.0};
    }
    int L = m;
    if (m == 2) {
        off_curve = true;
    } else {
        L = 2;
        while (L <= m && w > y[L]) ++L;
        if (L > m) {
            L = m;
            off_curve = true;
        } else if (w < y[L] && w < y[1]) {
            off_curve = true;
        }
    }
    const double yu = y[L - 1], pu = p[L - 1], yv = y[L], pv = p[L];
    if (yv == yu) return {0.0, 0.0};
    const double stiffness = -(pv - pu) / (yv - yu);
    return {stiffness * yu + pu, stiffness};
}

}  // namespace keldra
