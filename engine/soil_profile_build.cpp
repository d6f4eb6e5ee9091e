// Building the p-y layers and the depth profiles from the input soil layers.
#include "engine/pi.h"
#include "engine/soil_profile.h"
#include "engine/state.h"

namespace keldra {

namespace {

double Interpolate(double top, double bottom, double fraction) {
    return top + (bottom - top) * fraction;
}

// Unit weight points of p-y layer n (k1 = 2n-1 at its top, k2 = 2n at its
// bottom). Below the water table the soil weighs gamma - GAMW; a top point at
// the water table is submerged when the point above it is at the table too
// (the water table at a layer interface), the excavation level counting as
// the point above the first layer.
void AddWeightPoints(SoilProfile& p, int n, double gamma, double HFREE, double ZWB, double GAMW) {
    const int k1 = 2 * n - 1;
    const int k2 = 2 * n;
    const PyLayer& layer = p.layer[n];
    p.ZWT[k1] = layer.XTOP;
    p.ZWT[k2] = layer.XBOT;
    for (int k : {k1, k2}) p.GWT[k] = HFREE + p.ZWT[k] > ZWB ? gamma - GAMW : gamma;
    const double above = n == 1 ? 0.0 : p.ZWT[k1 - 1];
    if (HFREE + p.ZWT[k1] == ZWB && HFREE + above == ZWB) p.GWT[k1] = gamma - GAMW;

    // The previous bottom point moved up to the water table: this layer's top
    // point follows it and keeps its submerged weight.
    if (n > 1 && p.ZWT[k1] > p.ZWT[k1 - 1]) p.ZWT[k1] = p.ZWT[k1 - 1];

    // The water table inside the layer: the bottom point moves up to it and
    // carries the total weight; the next layer's top point continues below.
    if (HFREE + p.ZWT[k1] < ZWB && ZWB < HFREE + p.ZWT[k2]) {
        p.ZWT[k2] = ZWB - HFREE;
        p.GWT[k2] = gamma;
    }
}

// Strength points of p-y layer n from the input layer's top and bottom values
// (value 2 strength, 3 friction angle in degrees, 4 E50, 6 the sixth value).
// A layer reaching below XLIM is cut there; returns true when it was cut.
bool AddStrengthPoints(SoilProfile& p, int n, const SoilLayerInput& in, double XLIM) {
    const int k1 = 2 * n - 1;
    const int k2 = 2 * n;
    PyLayer& layer = p.layer[n];
    p.ZSP[k1] = layer.XTOP;
    p.ZSP[k2] = layer.XBOT;
    p.SSP[k1] = in.top[2];
    p.PHSP[k1] = in.top[3];
    p.E50SP[k1] = in.top[4];
    p.P5SP[k1] = in.top[6];
    p.SSP[k2] = in.bottom[2];
    p.PHSP[k2] = in.bottom[3];
    p.E50SP[k2] = in.bottom[4];
    p.P5SP[k2] = in.bottom[6];
    if (p.ZSP[k2] <= XLIM) return false;

    const double D = layer.XBOT - layer.XTOP;
    const double fraction = D > 0.0 ? (XLIM - layer.XTOP) / D : 0.0;
    layer.XBOT = XLIM;
    p.SSP[k2] = Interpolate(in.top[2], in.bottom[2], fraction);
    p.PHSP[k2] = Interpolate(in.top[3], in.bottom[3], fraction);
    p.E50SP[k2] = Interpolate(in.top[4], in.bottom[4], fraction);
    p.P5SP[k2] = Interpolate(in.top[6], in.bottom[6], fraction);
    p.ZSP[k2] = XLIM;
    return true;
}

// Five stations per p-y layer, just inside its boundaries and at its quarter
// points.
void PlaceStations(SoilProfile& p, double offset) {
    p.NSTA = 5 * p.NPY;
    for (int n = 1; n <= p.NPY; ++n) {
        const double top = p.layer[n].XTOP;
        const double D = p.layer[n].XBOT - top;
        double* x = &p.XSTA[5 * n - 4];
        x[0] = top + offset;
        x[1] = top + 0.25 * D;
        x[2] = top + 0.5 * D;
        x[3] = top + 0.75 * D;
        x[4] = p.layer[n].XBOT - offset;
    }
}

}  // namespace

void BuildSoilProfile(const SoilBlock& soil, const WallGrid& grid, double GAMW, bool si,
                      SoilProfile& out) {
    SoilProfile& p = out;
    p = SoilProfile{};
    const double HFREE = grid.HFREE;
    const double ZWB = soil.ZWB;
    const double XLIM = 2.0 * grid.H + grid.NINC * grid.H - HFREE;
    const int NSOIL = soil.NSOIL < kMaxSoilLayers ? soil.NSOIL : kMaxSoilLayers;

    double ZB = 0.0;  // from the top of the wall
    double ZX = 0.0;  // below the excavation level
    int n = 0;
    int cutCount = 0;
    for (int i = 1; i <= NSOIL; ++i) {
        const SoilLayerInput& in = soil.layer[i];
        double T = in.thickness;
        ZB += T;
        if (n == 0) {
            if (ZB <= HFREE) continue;  // wholly above the excavation level
            T = ZB - HFREE;
        }
        ++n;
        ZX += T;
        PyLayer& layer = p.layer[n];
        layer.XBOT = ZX;
        layer.XTOP = ZX - T;
        layer.KSOIL = in.type;
        layer.AKPY = in.top[5];
        AddWeightPoints(p, n, in.top[1], HFREE, ZWB, GAMW);
        const bool startsAtTheLimit = layer.XTOP >= XLIM && n > 1;
        if (AddStrengthPoints(p, n, in, XLIM) && cutCount == 0) {
            // A layer that begins at the limit has nothing above it to keep.
            cutCount = startsAtTheLimit ? 2 * (n - 1) : 2 * n;
        }
    }

    p.NWT = p.NSP = 2 * n;
    p.NPY = n;
    if (cutCount > 0 && cutCount < p.NSP) {
        // Layers below the cut keep their unit weight points only.
        p.NPY = cutCount / 2;
        p.NSP = cutCount;
    }
    p.NWTLAYERS = p.NWT;
    if (p.NWT > 0 && p.ZWT[p.NWT] < p.ZSP[p.NSP]) {
        // The water table inside the last layer: the submerged part below it.
        const double submerged = p.GWT[p.NWT] - GAMW;
        p.ZWT[p.NWT + 1] = p.ZWT[p.NWT];
        p.ZWT[p.NWT + 2] = p.ZSP[p.NSP];
        p.GWT[p.NWT + 1] = p.GWT[p.NWT + 2] = submerged;
        p.NWT += 2;
    }
    for (int k = 1; k <= p.NSP; ++k) p.PHSP[k] = p.PHSP[k] * kPiFourDecimals / 180.0;

    PlaceStations(p, si ? 0.01 : 0.1);
}

}  // namespace keldra
