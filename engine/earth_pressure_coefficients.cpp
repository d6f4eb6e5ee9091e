#include "engine/earth_pressure_coefficients.h"

#include <cmath>

namespace keldra {

namespace {

double Radians(double degrees) { return degrees / kDegreesPerRadian; }

double TanSquared(double degrees) {
    const double t = std::tan(Radians(degrees));
    return t * t;
}

}  // namespace

EarthPressureCoefficients HorizontalBackfillCoefficients(double phi) {
    const double KA = TanSquared(45 - phi / 2);
    return {KA, TanSquared(45 + phi / 2), std::sqrt(KA)};
}

bool SlopeTooSteep(double phi, double beta) { return beta != 0 && std::fabs(beta) >= phi; }

EarthPressureCoefficients RankineCoefficients(double phi, double beta) {
    EarthPressureCoefficients k = HorizontalBackfillCoefficients(phi);
    if (beta == 0 || SlopeTooSteep(phi, beta)) return k;
    const double cosBeta = std::cos(Radians(beta));
    const double cosPhi = std::cos(Radians(phi));
    const double root = std::sqrt(cosBeta * cosBeta - cosPhi * cosPhi);
    k.KA = cosBeta * (cosBeta - root) / (cosBeta + root);
    k.SQKA = std::sqrt(k.KA);
    return k;
}

int AssignCoefficients(SublayerTable& table, double beta, double HFREE) {
    int steep = 0;
    for (int i = 1; i <= table.NLE; ++i) {
        Sublayer& sub = table.layer[i];
        const EarthPressureCoefficients k = RankineCoefficients(sub.phi, beta);
        sub.KA = k.KA;
        sub.KP = k.KP;
        sub.SQKA = k.SQKA;
        if (SlopeTooSteep(sub.phi, beta) && sub.ZTOP < HFREE - kDepthTolerance) ++steep;
    }
    return steep;
}

}  // namespace keldra
