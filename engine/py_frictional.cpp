#include "engine/py_frictional.h"

#include <cmath>

#include "engine/py_depth_tables.h"

namespace keldra {

FrictionAngles AnglesOf(double phi, double pi) {
    FrictionAngles a{};
    a.phi = phi;
    a.alpha = phi / 2.0;
    a.beta = pi / 4.0 + phi / 2.0;
    a.K0 = 0.4;
    a.Ka = std::pow(std::tan(pi / 4.0 - phi / 2.0), 2);
    a.Kp = std::pow(std::tan(pi / 4.0 + phi / 2.0), 2);
    return a;
}

FrictionalResistance FrictionalResistanceAt(const FrictionAngles& a, double b, double gamma,
                                            double X) {
    const double tanPhi = std::tan(a.phi);
    const double tanAlpha = std::tan(a.alpha);
    const double tanBeta = std::tan(a.beta);
    const double sinBeta = std::sin(a.beta);
    const double tanBetaMinusPhi = std::tan(a.beta - a.phi);
    FrictionalResistance r{};
    r.pst = gamma * X *
            (a.K0 * X * tanPhi * sinBeta / (tanBetaMinusPhi * std::cos(a.alpha)) +
             tanBeta / tanBetaMinusPhi * (b + X * tanBeta * tanAlpha) +
             a.K0 * X * tanBeta * (tanPhi * sinBeta - tanAlpha) - a.Ka * b);
    r.psd = a.Ka * b * gamma * X * (std::pow(tanBeta, 8) - 1.0) +
            a.K0 * b * gamma * X * tanPhi * std::pow(tanBeta, 4);
    r.ps = std::fmin(r.pst, r.psd);
    return r;
}

double ContinuousWallResistance(const FrictionAngles& a, double delta, double b, double gamma,
                                double X0) {
    const double cosPhi = std::cos(a.phi);
    const double cosDelta = std::cos(delta);
    const double root = std::sqrt(std::sin(a.phi) * std::sin(a.phi + delta) / cosDelta);
    const double Kpc = cosPhi * cosPhi / (cosDelta * (1.0 - root) * (1.0 - root));
    return b * Kpc * gamma * X0;
}

std::optional<double> FrictionalEquivalentDepth(const EquivalentDepthSoil& soil, double S) {
    if (!(S > 0.0)) return 0.0;  // nothing above to match
    const FrictionAngles& a = soil.angles;
    const double b = soil.b;
    const double gamma = soil.gamma;
    const double c = soil.cohesive ? soil.c : 0.0;
    const double tanPhi = std::tan(a.phi);
    const double tanAlpha = std::tan(a.alpha);
    // pst = gamma'·X·(F2·X + F1·b) and psd = F3·gamma'·b·X.
    const double F1 = a.Kp - a.Ka;
    const double F2 =
        ((tanPhi * std::sin(a.beta) * (1.0 / std::cos(a.alpha) + 1.0) - tanAlpha) * a.K0 +
         tanAlpha * a.Kp) *
        std::tan(a.beta);
    const double F3 = (tanPhi * a.K0 + a.Kp) * a.Kp * a.Kp - a.Ka;
    if (!(F2 > 0.0)) return std::nullopt;
    const double xr = (F3 - F1) * b / F2;  // where the wedge reaches the flow resistance
    if (!(xr > 0.0)) return std::nullopt;

    const double dX = xr / soil.steps;
    double sum = 0.0;
    for (int i = 1; i <= soil.steps; ++i) {
        const double x = i * dX;
        const double previous = sum;
        const double z = x / b;
        sum += (z * z * F2 + z * F1) * gamma * b * b * SandFactorA(z) * dX;
        if (soil.cohesive) sum += (0.5 * c * x + 3.0 * c * b + gamma * b * x) * dX;
        if (sum > S) return x - (sum - S) * dX / (sum - previous);
    }
    // Below xr the resistance no longer grows with the wedge.
    const double D = (soil.cohesive ? 9.0 * c * b : 0.0) + 0.88 * gamma * b * F3 * soil.X0;
    if (!(D > 0.0)) return std::nullopt;
    return (S - sum) / D + xr;
}

Step EquivalentDepthOrStop(PyRun& run, const StationSide& st, const EquivalentDepthSoil& soil,
                           double S, std::string_view noDepthText, double& XEQ) {
    const std::optional<double> depth = FrictionalEquivalentDepth(soil, S);
    if (!depth) return run.StopAt(noDepthText, run.state().grid.HFREE + st.XSTA);
    XEQ = *depth;
    return Step::kContinue;
}

}  // namespace keldra
