// The profile functions: the only way the p-y models read soil data.
#include "engine/soil_profile.h"

namespace keldra {

namespace {

constexpr double kNegligible = 1e-20;  // a value this small counts as absent at a step

enum class AtStep { kDeeper, kMean };

// Piecewise-linear lookup of `value` over the strength profile at depth x.
std::optional<double> StrengthProfileAt(const SoilProfile& p, const double* value, double x,
                                        AtStep atStep) {
    const double* z = p.ZSP;
    const int NSP = p.NSP;
    int k = 2;
    while (k <= NSP && x > z[k]) ++k;
    if (NSP < 2 || k > NSP) return std::nullopt;
    if (x == z[NSP]) return value[k];
    if (x == z[k] && z[k] == z[k + 1]) {
        const double upper = value[k];
        const double lower = value[k + 1];
        if (atStep == AtStep::kDeeper) return lower < kNegligible ? upper : lower;
        if (upper < kNegligible) return lower;
        if (lower < kNegligible) return upper;
        return 0.5 * (upper + lower);
    }
    if (x == z[k]) return value[k];
    const double span = z[k] - z[k - 1];
    if (span == 0.0) return value[k];  // a zero-thickness first layer, x above it
    return value[k - 1] + (value[k] - value[k - 1]) * (x - z[k - 1]) / span;
}

double LastValue(const SoilProfile& p, const double* value) {
    return p.NSP > 0 ? value[p.NSP] : 0.0;
}

}  // namespace

std::optional<double> STRENGTHAT(const SoilProfile& p, double x) {
    return StrengthProfileAt(p, p.SSP, x, AtStep::kDeeper);
}

std::optional<double> PHIAT(const SoilProfile& p, double x) {
    return StrengthProfileAt(p, p.PHSP, x, AtStep::kMean);
}

double E50AT(const SoilProfile& p, double x) {
    return StrengthProfileAt(p, p.E50SP, x, AtStep::kMean).value_or(LastValue(p, p.E50SP));
}

double P5AT(const SoilProfile& p, double x) {
    return StrengthProfileAt(p, p.P5SP, x, AtStep::kMean).value_or(LastValue(p, p.P5SP));
}

std::optional<double> GAMAVG(const SoilProfile& p, double x) {
    constexpr double kShort = 1e-6;
    const double* z = p.ZWT;
    const double* g = p.GWT;
    const double D = x - p.layer[1].XTOP;
    if (x < 0.0) return 0.0;
    if (p.NWT < 1 || x > z[p.NWT]) return std::nullopt;
    if (D < kShort) {
        for (int k = 1; k <= p.NWT; ++k) {
            if (g[k] > 0.0) return g[k];
        }
        return g[p.NWT];
    }
    // Mean weight of each segment, weighted by its share of the depth.
    double sum = 0.0;
    for (int k = 2; k <= p.NWT; ++k) {
        const double length = z[k] - z[k - 1];
        if (x > z[k]) {
            sum += length / D * 0.5 * (g[k - 1] + g[k]);
            continue;
        }
        if (length < kShort) return sum;
        const double gx = g[k - 1] + (g[k] - g[k - 1]) * (x - z[k - 1]) / length;
        return sum + (x - z[k - 1]) / D * 0.5 * (g[k - 1] + gx);
    }
    return sum;  // x at the first point of a one-point profile
}

LayerAverage CAVGAT(const SoilProfile& p, int n, double x) {
    const int k1 = 2 * n - 1;
    const int k2 = 2 * n;
    const bool beyond = p.NSP < 1 || x > p.ZSP[p.NSP];
    if (x < p.layer[1].XTOP) return {0.0, beyond};
    if (x - p.ZSP[k1] < 1e-5) return {STRENGTHAT(p, x), beyond};
    const double span = p.ZSP[k2] - p.ZSP[k1];
    if (span < 1e-6) return {0.0, beyond};
    const double s = p.SSP[k1] + (x - p.ZSP[k1]) * (p.SSP[k2] - p.SSP[k1]) / span;
    return {0.5 * (s + p.SSP[k1]), beyond};
}

}  // namespace keldra
