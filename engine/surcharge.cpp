#include "engine/surcharge.h"

#include <cmath>

#include "engine/generation.h"

namespace keldra {

namespace {

constexpr int kSurchargeSteps = 200;    // sampling steps of SURCHP over the wall length
constexpr double kNearWallRatio = 0.4;  // m at which the charts change form
constexpr double kMinFreeHeight = 1e-6;

double PointLoadPressure(double Q, double m, double n, double HFREE) {
    const double HSQ = HFREE * HFREE;
    if (m <= kNearWallRatio) return 0.28 * Q * n * n / (HSQ * std::pow(0.16 + n * n, 3));
    return 1.77 * Q * m * m * n * n / (HSQ * std::pow(m * m + n * n, 3));
}

double LineLoadPressure(double Q, double m, double n, double HFREE, double lineFar) {
    if (m <= kNearWallRatio) return 0.203 * Q * n / (HFREE * std::pow(0.16 + n * n, 2));
    return lineFar * Q * m * m * n / (HFREE * std::pow(m * m + n * n, 2));
}

// b is the angle the strip subtends at depth z, d twice the angle to its
// middle.
double StripLoadPressure(double Q, double X, double B, double z, double strip) {
    const double nearEdge = std::atan((X - B / 2) / z);
    const double farEdge = std::atan((X + B / 2) / z);
    const double b = farEdge - nearEdge;
    const double d = farEdge + nearEdge;
    return strip * Q * (b - std::sin(b) * std::cos(d));
}

}  // namespace

double SurchargeLoadPressure(int type, double magnitude, double distance, double width, double z,
                             double HFREE, const SurchargeConstants& k) {
    if (type == kStripLoad) return StripLoadPressure(magnitude, distance, width, z, k.strip);
    const double m = distance / HFREE;
    const double n = z / HFREE;
    if (type == kLineLoad) return LineLoadPressure(magnitude, m, n, HFREE, k.lineFar);
    return PointLoadPressure(magnitude, m, n, HFREE);
}

double LayerSurchargePressure(const SoilBlock& soil, double z, double HFREE) {
    const SurchargeConstants& k = kLayerForceConstants;
    if (soil.NSUR == 0) {
        const double X = soil.legacyX;
        return SurchargeLoadPressure(kPointLoad, soil.legacyPoint, X, 0, z, HFREE, k) +
               SurchargeLoadPressure(kLineLoad, soil.legacyLine, X, 0, z, HFREE, k) +
               SurchargeLoadPressure(kStripLoad, soil.legacyStrip, X, soil.legacyWidth, z, HFREE,
                                     k);
    }
    double sum = 0;
    for (int i = 1; i <= soil.NSUR; ++i) {
        const SurchargeRow& row = soil.surcharge[i];
        sum += SurchargeLoadPressure(row.type, row.magnitude, row.distance, row.width, z, HFREE, k);
    }
    return sum;
}

double SampledSurchargePressure(const SoilBlock& soil, double x, double HFREE, double WL) {
    if (soil.NSUR == 0 || HFREE < kMinFreeHeight || WL <= 0) return 0;
    const double DZ = WL / kSurchargeSteps;
    // The last sampling depth j * DZ strictly above x.
    int j = x > WL ? kSurchargeSteps : static_cast<int>(std::ceil(x / DZ)) - 1;
    while (j < kSurchargeSteps && (j + 1) * DZ < x) ++j;
    while (j >= 1 && j * DZ >= x) --j;
    if (j < 1) return 0;
    const double z = j * DZ;
    double sum = 0;
    for (int i = 1; i <= soil.NSUR; ++i) {
        const SurchargeRow& row = soil.surcharge[i];
        sum += SurchargeLoadPressure(row.type, row.magnitude, row.distance, row.width, z, HFREE,
                                     kTableConstants);
    }
    return sum;
}

bool SurchargeNeedsFreeHeight(const SoilBlock& soil, double HFREE) {
    return soil.NSUR > 0 && HFREE < kMinFreeHeight;
}

double SurchargePressureAt(const EngineState& s, double z) {
    return SampledSurchargePressure(s.soil, z, s.grid.HFREE, s.grid.NINC * s.grid.H);
}

}  // namespace keldra
