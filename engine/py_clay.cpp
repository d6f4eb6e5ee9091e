#include "engine/py_clay.h"

#include <cmath>

namespace keldra {

double ClayPASHIFT(double SIGVEXC, double c, double b) {
    const double shift = b * SIGVEXC - 2.0 * c * b;
    return shift > 1e-10 ? shift : 0.0;
}

double ClayContinuousWallResistance(double gamma, double X0, double c, double b) {
    return gamma * X0 * b + 2.0 * c * b;
}

double ClayEquivalentDepth(double S, double c, double gamma, double b, double xr) {
    if (!(c > 0.0)) return 0.0;
    const double F = c * xr * xr / 4.0 + 3.0 * c * b * xr + gamma * b * xr * xr / 2.0;
    if (S > F) return (S - F) / (9.0 * c * b) + xr;
    const double a = 0.25 * c + 0.5 * gamma * b;
    const double linear = 3.0 * c * b;
    return (-linear + std::sqrt(linear * linear + 4.0 * a * S)) / (2.0 * a);
}

Step CheckE50(PyRun& run, const StationSide& st, double e50) {
    if (e50 > 0.0) return Step::kContinue;
    return run.StopAt("     ERROR STOP -- E50 OF THE CLAY IS NOT POSITIVE AT X =",
                      run.state().grid.HFREE + st.XSTA);
}

}  // namespace keldra
