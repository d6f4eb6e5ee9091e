#include "engine/earth_pressure_sublayers.h"

#include <algorithm>
#include <cmath>

namespace keldra {

namespace {

constexpr int kFirstDrainedType = 4;  // sand; types 1 to 3 are clays

struct CriticalDepths {
    int count;
    double depth[2];
};

// HFREE and ZWB in increasing order; a depth at the surface or within the
// tolerance of the previous one adds no split.
CriticalDepths FindCriticalDepths(double HFREE, double ZWB) {
    const double sorted[2] = {std::min(HFREE, ZWB), std::max(HFREE, ZWB)};
    CriticalDepths critical{};
    for (double d : sorted) {
        if (d <= kDepthTolerance) continue;
        if (critical.count > 0 && d - critical.depth[critical.count - 1] < kDepthTolerance)
            continue;
        critical.depth[critical.count++] = d;
    }
    return critical;
}

Sublayer FromInputLayer(const SoilLayerInput& input) {
    Sublayer sub{};
    sub.gamma = input.top[1];
    sub.c = input.top[2];
    sub.phi = input.top[3];
    sub.DRAINED = input.type >= kFirstDrainedType;
    return sub;
}

// Appends the part [top, bottom] of an input layer; false when full.
bool Append(SublayerTable& table, const SoilLayerInput& input, double top, double bottom,
            double ZWB) {
    if (table.NLE == kMaxSublayers) return false;
    Sublayer& sub = table.layer[++table.NLE];
    sub = FromInputLayer(input);
    sub.ZTOP = top;
    sub.T = bottom - top;
    sub.belowWater = top >= ZWB - kDepthTolerance;
    return true;
}

}  // namespace

SublayerTable BuildSublayers(const SoilBlock& soil, double HFREE) {
    SublayerTable table{};
    if (soil.NSOIL > kMaxSoilLayers) {
        table.overflow = true;
        return table;
    }
    const CriticalDepths critical = FindCriticalDepths(HFREE, soil.ZWB);
    double top = 0;
    for (int k = 1; k <= soil.NSOIL && !table.overflow; ++k) {
        const SoilLayerInput& input = soil.layer[k];
        const double bottom = input.depth;
        for (int c = 0; c < critical.count; ++c) {
            const double d = critical.depth[c];
            if (d <= top + kDepthTolerance || d >= bottom - kDepthTolerance) continue;
            table.overflow = !Append(table, input, top, d, soil.ZWB);
            top = d;
        }
        if (!table.overflow) table.overflow = !Append(table, input, top, bottom, soil.ZWB);
        top = bottom;
    }
    for (int i = 1; i <= table.NLE && table.IEXC == 0; ++i)
        if (std::fabs(table.layer[i].ZTOP - HFREE) < kDepthTolerance) table.IEXC = i;
    return table;
}

void ComputeOverburden(SublayerTable& table, double q, double ZWB, double GAMW) {
    double total = q;
    for (int i = 1; i <= table.NLE; ++i) {
        Sublayer& sub = table.layer[i];
        sub.SIGV = sub.belowWater ? total - (sub.ZTOP - ZWB) * GAMW : total;
        total += sub.T * sub.gamma;
    }
}

}  // namespace keldra
