#include "engine/input_soil_block.h"

#include <span>
#include <utility>

#include "engine/fixed_line.h"
#include "engine/run_stop.h"
#include "engine/unit_system.h"
#include "engine/value_checks.h"

namespace keldra {

namespace {

constexpr double kMillimetresPerMetre = 1000.0;

Step ReadSurcharges(EngineState& s, FreeFormatReader& in) {
    SoilBlock& b = s.soil;
    if (!in.Read(b.NSUR)) return StopOnReadFailure(s, in);
    if (b.NSUR < 0) return StopRun(s, kNegativeCount);
    if (b.NSUR > kMaxSurcharges)
        return StopTooMuchData(s, MoreThan(kMaxSurcharges, "SURCHARGE ROWS"));
    const double to_metres = s.control.KUNIT == kSIUnits ? 1.0 / kMillimetresPerMetre : 1.0;
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

// The layer values that no soil can have negative, by position (1 .. 6 of a
// parameter line): the unit weight; the cohesion, which the earth pressure
// takes from every soil, or the compressive strength of rock; k, or the rock
// mass modulus of weak rock. Other positions hold angles, strains and
// placeholders. Unknown types are generated as soft clay.
struct LayerValue {
    int position;
    Quantity quantity;
};

constexpr LayerValue kSoilValues[] = {{1, kUnitWeight}, {2, kCohesion}, {5, kSubgradeModulus}};
constexpr LayerValue kStrongRockValues[] = {{1, kUnitWeight}, {2, kCompressiveStrength}};
constexpr LayerValue kWeakRockValues[] = {
    {1, kUnitWeight}, {2, kCompressiveStrength}, {5, kRockMassModulus}};

constexpr int kStrongRock = 6, kWeakRock = 7;

std::span<const LayerValue> CheckedValues(int type) {
    if (type == kStrongRock) return kStrongRockValues;
    if (type == kWeakRock) return kWeakRockValues;
    return kSoilValues;
}

Step CheckLayer(EngineState& s, int k, const SoilLayerInput& layer) {
    for (const auto& [line, where] : {std::pair{layer.top, " AT THE TOP OF LAYER"},
                                      std::pair{layer.bottom, " AT THE BOTTOM OF LAYER"}}) {
        for (const LayerValue& value : CheckedValues(layer.type)) {
            if (RequireValue(s, value.quantity, Bound::kNotNegative, line[value.position],
                             FixedLine().Text(where).I(3, k).View()) == Step::kStop) {
                return Step::kStop;
            }
        }
    }
    return Step::kContinue;
}

Step ReadLayers(EngineState& s, FreeFormatReader& in) {
    SoilBlock& b = s.soil;
    if (!in.Read(b.NSOIL)) return StopOnReadFailure(s, in);
    if (b.NSOIL < 0) return StopRun(s, kNegativeCount);
    if (b.NSOIL > kMaxSoilLayers)
        return StopTooMuchData(s, MoreThan(kMaxSoilLayers, "SOIL LAYERS"));
    double previous_depth = 0.0;
    for (int k = 1; k <= b.NSOIL; ++k) {
        SoilLayerInput& layer = b.layer[k];
        if (!in.Read(layer.type, layer.depth)) return StopOnReadFailure(s, in);
        double* t = layer.top;
        double* o = layer.bottom;
        if (!in.Read(t[1], t[2], t[3], t[4], t[5], t[6])) return StopOnReadFailure(s, in);
        if (!in.Read(o[1], o[2], o[3], o[4], o[5], o[6])) return StopOnReadFailure(s, in);
        if (CheckLayer(s, k, layer) == Step::kStop) return Step::kStop;
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
