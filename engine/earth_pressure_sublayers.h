// The soil layers of the backfill side split into sublayers at the critical
// depths (the excavation level HFREE and the backfill water table ZWB), with
// the effective overburden stress at every sublayer top. Depths are measured
// from the top of the wall.
#pragma once

#include "engine/state.h"

namespace keldra {

inline constexpr int kMaxSublayers = 20;
inline constexpr double kDepthTolerance = 1e-5;  // depths closer than this coincide

struct Sublayer {
    double ZTOP, T;                         // top depth and thickness
    double c, phi, gamma;                   // cohesion, friction angle (degrees), total unit weight
    bool DRAINED;                           // sand, silt and rock; the clays are undrained
    bool belowWater;                        // top at or below the backfill water table
    double KA, KP, SQKA;                    // earth pressure coefficients, SQKA = sqrt(KA)
    double SIGV;                            // effective vertical stress at the top
    double PA1, PA2, PA3, PA4, Z1, Z2, Z3;  // active force parts and their depths
    double PW1, PW2;                        // water force parts (negative)
    double ZCR;  // thickness with positive active pressure (tension crack)

    // Unit weight that builds up effective stress within the sublayer: the
    // submerged weight for a drained sublayer below the water table.
    [[nodiscard]] double EffectiveWeight(double GAMW) const {
        return DRAINED && belowWater ? gamma - GAMW : gamma;
    }
    // Unit weight of the pore water pressing on the wall within the sublayer.
    [[nodiscard]] double WaterWeight(double GAMW) const { return DRAINED && belowWater ? GAMW : 0; }
};

struct SublayerTable {
    int NLE;
    Table<Sublayer, kMaxSublayers> layer;
    int IEXC;       // sublayer whose top is the excavation level; 0 when none
    bool overflow;  // the layers needed more than kMaxSublayers sublayers
};

// Splits the soil layers of the soil block at HFREE and ZWB and finds IEXC.
[[nodiscard]] SublayerTable BuildSublayers(const SoilBlock& soil, double HFREE);

// SIGV of every sublayer: the total stress from the surface pressure q down,
// less the pore pressure below the water table ZWB.
void ComputeOverburden(SublayerTable& table, double q, double ZWB, double GAMW);

}  // namespace keldra
