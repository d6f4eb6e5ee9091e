#include "engine/earth_pressure_forces.h"

#include <algorithm>
#include <cmath>

#include "engine/surcharge.h"

namespace keldra {

namespace {

constexpr int kSurchargeSlices = 10;  // slices of the surcharge force over a sublayer

double SurchargeForce(const SoilBlock& soil, const Sublayer& sub, double HFREE) {
    const double DZ = sub.T / kSurchargeSlices;
    double force = 0;
    for (int j = 1; j <= kSurchargeSlices; ++j)
        force += DZ * LayerSurchargePressure(soil, sub.ZTOP + j * DZ, HFREE);
    return force;
}

// A sublayer whose active pressure is negative at its top: only the part
// below the crack, where the pressure is positive, pushes on the wall.
void TensionCrack(Sublayer& sub, const Sublayer& below, double FMOD) {
    const double cohesionPart = 2 * sub.c * sub.SQKA;
    const double sTop = cohesionPart - sub.SIGV * sub.KA;
    const double sBot = below.SIGV * sub.KA - cohesionPart;
    sub.PA1 = sub.PA2 = sub.PA3 = 0;
    if (sBot <= 0) {
        sub.ZCR = 0;
    } else {
        // Without tension at the top the positive part is the whole sublayer.
        sub.ZCR = sTop > 0 ? sBot * sub.T / (sBot + sTop) : sub.T;
    }
    sub.PA4 = FMOD * sub.ZCR * std::max(sBot, 0.0) / 2;
    sub.Z3 = below.ZTOP - sub.ZCR / 3;
}

}  // namespace

void ComputeActiveForces(SublayerTable& table, const SoilBlock& soil, const ActiveForceInput& in) {
    for (int i = 1; i < table.IEXC; ++i) {
        Sublayer& sub = table.layer[i];
        const double T = sub.T;
        sub.PA1 = sub.SIGV * sub.KA * T * in.FMOD + SurchargeForce(soil, sub, in.HFREE);
        sub.PA2 = T * T * (sub.EffectiveWeight(in.GAMW) / 2) * sub.KA * in.FMOD;
        sub.PA3 = -2 * sub.c * sub.SQKA * T * in.FMOD;
        sub.PA4 = 0;
        sub.ZCR = 0;
        sub.Z1 = sub.ZTOP + T / 2;
        sub.Z2 = sub.ZTOP + 2 * T / 3;
        sub.Z3 = sub.Z1;  // the cohesion part is uniform over the sublayer
        if (sub.PA1 + sub.PA3 < 0) TensionCrack(sub, table.layer[i + 1], in.FMOD);
    }
}

bool HasWaterForce(const Sublayer& sub) { return sub.DRAINED && sub.belowWater; }

void ComputeWaterForces(SublayerTable& table, double ZWB, double GAMW) {
    for (int i = 1; i < table.IEXC; ++i) {
        Sublayer& sub = table.layer[i];
        const bool wet = HasWaterForce(sub);
        sub.PW1 = wet ? -(sub.ZTOP - ZWB) * GAMW * sub.T : 0;
        sub.PW2 = wet ? -sub.T * sub.T * GAMW / 2 : 0;
    }
}

double NetActiveForce(const SublayerTable& table) {
    double F = 0;
    for (int i = 1; i < table.IEXC; ++i) {
        const Sublayer& sub = table.layer[i];
        F += sub.PA1 + sub.PA2 + sub.PA3 + sub.PA4 - sub.PW1 - sub.PW2;
    }
    return F;
}

}  // namespace keldra
