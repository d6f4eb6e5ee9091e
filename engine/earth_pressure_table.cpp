#include "engine/earth_pressure_table.h"

#include <algorithm>
#include <cmath>

#include "engine/earth_pressure_coefficients.h"
#include "engine/surcharge.h"
#include "engine/unit_system.h"

namespace keldra {

namespace {

constexpr double kPressureFloor = 1e-5;  // smaller pressures are written as zero
constexpr double kMinSurfacePressure = 1e-6;
constexpr double kGenericPointsPerIncrement = 4;

// Depth range of sublayer i that the table covers: the last sublayer runs to
// the tip, and nothing below the tip is tabulated.
double TabulatedBottom(const SublayerTable& table, int i, double WL) {
    const Sublayer& sub = table.layer[i];
    return i == table.NLE ? WL : std::min(sub.ZTOP + sub.T, WL);
}

int StepCount(const SublayerTable& table, int i, const PressureTableInput& in) {
    const double span = TabulatedBottom(table, i, in.WL) - table.layer[i].ZTOP;
    return span > 0 ? static_cast<int>(std::lround(span * in.pointsPerLength)) : 0;
}

struct PointPressure {
    double total, soil, surcharge;
};

PointPressure PressureAt(const SublayerTable& table, int i, double z,
                         const PressureTableInput& in) {
    const Sublayer& sub = table.layer[i];
    const bool above = i < table.IEXC;
    double KA = sub.KA;
    double SQKA = sub.SQKA;
    double p;
    double w = 0;
    if (above) {
        w = sub.WaterWeight(in.GAMW);
        const double pTop =
            (sub.ZTOP - in.ZWB) * w + sub.SIGV * KA * in.FMOD - 2 * sub.c * SQKA * in.FMOD;
        p = pTop + (sub.EffectiveWeight(in.GAMW) * KA * in.FMOD + w) * (z - sub.ZTOP);
    } else {
        const EarthPressureCoefficients k = HorizontalBackfillCoefficients(sub.phi);
        KA = k.KA;
        SQKA = k.SQKA;
        p = table.layer[table.IEXC].SIGV * KA * in.FMOD - 2 * sub.c * SQKA * in.FMOD;
    }
    const double surcharge = SampledSurchargePressure(*in.soil, z, in.HFREE, in.WL);
    PointPressure point{p + surcharge, p, 0};
    // Free water standing in the excavation pushes back on the wall.
    if (sub.belowWater && z > in.ZWE && z < in.HFREE) {
        point.total -= (z - in.ZWE) * in.GAMW;
        point.soil -= (z - in.ZWE) * in.GAMW;
    }
    if (point.total < kPressureFloor) point.total = 0;
    if (point.soil < kPressureFloor) point.soil = 0;
    // The part that does not grow with depth is reported with the surcharges.
    double D = 0;
    if (in.q >= kMinSurfacePressure) {
        D = in.q * KA * in.FMOD - 2 * sub.c * SQKA * in.FMOD;
        if (above) D += (sub.ZTOP - in.ZWB) * w;
    }
    point.surcharge = surcharge + D;
    point.soil -= D;
    return point;
}

void SetPoint(EarthPressureTable& ep, int k, double z, const PointPressure& p) {
    ep.ZEP[k] = z;
    ep.PAEP[k] = p.total;
    ep.PASOIL[k] = p.soil;
    ep.PASUR[k] = p.surcharge;
}

}  // namespace

double PressurePointsPerLength(int KUNIT, double H) {
    if (KUNIT == kEnglishUnits) return 1;
    if (KUNIT == kSIUnits) return 20;
    return H > 0 ? kGenericPointsPerIncrement / H : 1;
}

bool BuildPressureTable(const SublayerTable& table, const PressureTableInput& in,
                        EarthPressureTable& ep) {
    int NEP = 1;
    for (int i = 1; i <= table.NLE; ++i) NEP += StepCount(table, i, in);
    if (NEP > kMaxPressurePoints) return false;

    const double surface = table.layer[1].KA * in.q * in.FMOD;
    SetPoint(ep, 1, 0, {surface < kPressureFloor ? 0 : surface, 0, in.q > 0 ? surface : 0});
    int k = 1;
    for (int i = 1; i <= table.NLE; ++i) {
        const int n = StepCount(table, i, in);
        const double top = table.layer[i].ZTOP;
        const double step = (TabulatedBottom(table, i, in.WL) - top) / std::max(n, 1);
        for (int j = 1; j <= n; ++j) {
            const double z = top + j * step;
            SetPoint(ep, ++k, z, PressureAt(table, i, z, in));
        }
    }
    ep.count = NEP;
    return true;
}

double ActiveForceAboveExcavation(const EarthPressureTable& ep, double HFREE,
                                  double pointsPerLength) {
    double FTOT = 0;
    for (int k = 2; k <= ep.count && ep.ZEP[k] <= HFREE + kDepthTolerance; ++k)
        FTOT += (ep.PAEP[k - 1] + ep.PAEP[k]) / 2 / pointsPerLength;
    return FTOT;
}

bool MakeTrapezoid(double FTOT, double HFREE, double XTIE1, double XTIEN, int NSUP,
                   Trapezoid& shape) {
    shape.H1 = 2.0 / 3 * XTIE1;
    double spread;  // height the pressure is spread over
    if (NSUP > 1) {
        shape.H3 = 2.0 / 3 * (HFREE - XTIEN);
        shape.H2 = HFREE - shape.H1 - shape.H3;
        spread = HFREE - (shape.H1 + shape.H3) / 3;
    } else {
        shape.H3 = 2.0 / 3 * (HFREE - XTIE1);
        shape.H2 = HFREE / 3;
        spread = 2 * HFREE / 3;
    }
    if (NSUP < 1 || spread < kDepthTolerance) return false;
    shape.pmax = 1.3 * FTOT / spread;
    return true;
}

void ApplyTrapezoid(const Trapezoid& shape, double HFREE, EarthPressureTable& ep) {
    const double flatEnd = shape.H1 + shape.H2;
    for (int k = 2; k <= ep.count && ep.ZEP[k] <= HFREE + kDepthTolerance; ++k) {
        const double z = ep.ZEP[k];
        double p = shape.pmax;
        if (z < shape.H1)
            p = shape.pmax * z / shape.H1;
        else if (z > flatEnd && shape.H3 > 0)
            p = shape.pmax - (z - flatEnd) * shape.pmax / shape.H3;
        ep.PAEP[k] = std::max(p, 0.0);
    }
}

}  // namespace keldra
