#include "engine/py_multipliers.h"

#include <cmath>

namespace keldra {

namespace {

// Closely spaced soldier piles: the soil resistance of one pile is reduced
// when the piles stand less than about three widths apart (single-precision
// constants of the rule, widened).
constexpr double kCoefficient = 0.52920001745224;
constexpr double kExponent = 0.5659000277519226;
constexpr double kContinuousBelow = 1.100000023841858;
constexpr double kSinglePileFrom = 3.0999999046325684;

// The factor of the modification table at depth x: linear between rows, a
// repeated depth is a step that takes the lower row's factor at that depth.
double TableFactor(const EngineState& s, const Table<double, kMaxPyModRows>& factor, double x) {
    const int n = s.control.NPYMOD < kMaxPyModRows ? s.control.NPYMOD : kMaxPyModRows;
    const double* z = s.pymod.ZMOD;
    if (x < z[1]) return 1.0;
    for (int i = 2; i <= n; ++i) {
        if (x > z[i]) continue;
        if (x == z[i]) {
            if (i == n) return factor[i];
            return z[i + 1] == z[i] ? factor[i + 1] : factor[i];
        }
        const double span = z[i] - z[i - 1];
        if (span == 0.0) return factor[i];
        return factor[i - 1] + (factor[i] - factor[i - 1]) * (x - z[i - 1]) / span;
    }
    return 1.0;
}

bool HasTable(const EngineState& s) { return s.control.NPYMOD > 0; }

}  // namespace

double PYMULT(EngineState& s, double x) {
    if (HasTable(s)) return TableFactor(s, s.pymod.PMOD, x);
    const double r = s.soil.WP > 0.0 ? s.soil.WA / s.soil.WP : 1.0;
    s.RWAWP = r;
    if (r >= kContinuousBelow && r < kSinglePileFrom && x >= s.grid.HFREE) {
        return kCoefficient * std::pow(r, kExponent);
    }
    return 1.0;
}

double YMULT(const EngineState& s, double x) {
    if (HasTable(s)) return TableFactor(s, s.pymod.YMOD, x);
    return 1.0;
}

}  // namespace keldra
