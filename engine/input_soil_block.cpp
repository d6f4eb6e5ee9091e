#include "engine/input_soil_block.h"

#include "engine/run_stop.h"

namespace keldra {

namespace {

constexpr double kMillimetresPerMetre = 1000.0;

Step ReadSurcharges(EngineState& s, FreeFormatReader& in) {
    SoilBlock& b = s.soil;
    if (!in.Read(b.NSUR)) return StopOnReadFailure(s, in);
    if (b.NSUR < 0) return StopRun(s, kNegativeCount);
    if (b.NSUR > kMaxSurcharges) return StopTooMuchData(s, "MORE THAN 20 SURCHARGE ROWS");
    const double to_metres = s.control.KUNIT == 2 ? 1.0 / kMillimetresPerMetre : 1.0;
    for (int k = 1; k <= b.NSUR; ++k) {
        SurchargeRow& row = b.surcharge[k];
        if (!in.Read(row.type, row.magnitude, row.distance, row.width)) {
            return StopOnReadFailure(s, in);
        }
        row.distance *= to_metres;
        row.width *= to_metres;
    }
    return Step::kContinue;
}

Step ReadLayers(EngineState& s, FreeFormatReader& in) {
    SoilBlock& b = s.soil;
    if (!in.Read(b.NSOIL)) return StopOnReadFailure(s, in);
    if (b.NSOIL < 0) return StopRun(s, kNegativeCount);
    if (b.NSOIL > kMaxSoilLayers) return StopTooMuchData(s, "MORE THAN 10 SOIL LAYERS");
    double previous_depth = 0.0;
    for (int k = 1; k <= b.NSOIL; ++k) {
        SoilLayerInput& layer = b.layer[k];
        if (!in.Read(layer.type, layer.depth)) return StopOnReadFailure(s, in);
        double* t = layer.top;
        double* o = layer.bottom;
        if (!in.Read(t[1], t[2], t[3], t[4], t[5], t[6])) return StopOnReadFailure(s, in);
        if (!in.Read(o[1], o[2], o[3], o[4], o[5], o[6])) return StopOnReadFailure(s, in);
        layer.thickness = layer.depth - previous_depth;
        previous_depth = layer.depth;
    }
    return Step::kContinue;
}

}  // namespace

bool NeedsSoilBlock(const EngineState& s) { return s.control.KOUTPT >= 2 || s.control.KPYOP == 2; }

Step ReadSoilBlock(EngineState& s, FreeFormatReader& in) {
    SoilBlock& b = s.soil;
    if (!in.Read(b.HFREE, b.WA, b.WP, b.ZWB, b.ZWE, b.FMOD, b.carried, b.BETA)) {
        return StopOnReadFailure(s, in);
    }
    if (!in.Read(b.QSURF, b.legacyX, b.legacyPoint, b.legacyLine, b.legacyStrip, b.legacyWidth)) {
        return StopOnReadFailure(s, in);
    }
    if (ReadSurcharges(s, in) == Step::kStop) return Step::kStop;
    if (ReadLayers(s, in) == Step::kStop) return Step::kStop;
    s.earthPressureWidth = b.WA;
    return Step::kContinue;
}

}  // namespace keldra
