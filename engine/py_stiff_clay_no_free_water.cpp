// Stiff clay above free water: a quarter-power parabola up to sixteen times
// y50, then the ultimate resistance.
#include <algorithm>
#include <cmath>

#include "engine/fixed_line.h"
#include "engine/py_clay.h"
#include "engine/py_models.h"

namespace keldra {

namespace {

// Deflections of the points as fractions of 16 y50.
constexpr double kDeflectionShare[kCurvePoints + 1] = {0,     0,     1e-5, 5e-5,  1e-4,  5e-4,
                                                       0.001, 0.005, 0.01, 0.025, 0.05,  0.075,
                                                       0.1,   0.25,  0.5,  1,     1.125, 1.25};

class StiffClayNoFreeWater final : public PointwiseModel {
  public:
    Step ReadSoil(PyRun& run, const StationSide& st) override {
        c_ = run.STRENGTHAT(st.XD);
        ca_ = run.CAVGAT(st.n, st.XD);
        gamma_ = run.GAMAVG(st.XD);
        e50_ = run.E50AT(st.XD);
        if (run.stopped()) return Step::kStop;
        PASHIFT_ = ClayPASHIFT(run.state().SIGVEXC, c_, st.b);
        return CheckE50(run, st, e50_);
    }

    Step EquivalentDepth(PyRun&, const StationSide& st, double S, double& XEQ) override {
        const double b = st.b;
        const double xr = c_ > 0.0 ? (9.0 * c_ * b - 3.0 * ca_ * b) / (0.5 * c_ + gamma_ * b) : 0.0;
        // A layer whose average strength reaches 3c is at its ultimate
        // resistance at once.
        XEQ = ClayEquivalentDepth(S, c_, gamma_, b, std::max(xr, 0.0));
        return Step::kContinue;
    }

    double Resistance(const StationSide& st) override {
        const double b = st.b;
        pu_ = std::min(3.0 * ca_ * b + gamma_ * b * st.X + 0.5 * ca_ * st.X, 9.0 * c_ * b);
        if (st.continuous) pu_ = ClayContinuousWallResistance(gamma_, st.X0, c_, b);
        y50_ = 2.5 * e50_ * b;
        return pu_;
    }

    // clang-format off
    void WriteHeading(OutputFile& report, const UnitLabels& u,
                      const StationSide& st) const override {
        WriteSideOpener(report, st.side, 2);
        FixedLine().X(10).Text("DEPTH BELOW GS").X(5).Text("DIAM").X(8).Text("C").X(7).Text("CAVG")
            .X(4).Text("GAMMA AVG").X(5).Text("E50").WriteTo(report);
        FixedLine().X(16).Text(u.L2).X(12).Text(u.L2).X(5).Text(PerLength(u, "2")).X(1)
            .Text(PerLength(u, "2")).X(1).Text(PerLength(u, "3")).X(1).WriteTo(report);
        FixedLine().X(10).F(10, 2, st.X0).X(5).F(10, 3, st.b).G(10, 2, c_).G(10, 2, ca_)
            .G(10, 2, gamma_).G(12, 4, e50_).WriteTo(report);
        FixedLine().X(38).Text("Y").X(19).Text("P").WriteTo(report);
        FixedLine().X(38).Text(u.L2).X(15).Text(PerLength(u)).WriteTo(report);
    }
    // clang-format on

    PointLayout Layout() const override { return {'F', 5, 1, 1, true}; }

  private:
    double Deflection(int m, double /*b*/) const override {
        return 16.0 * y50_ * kDeflectionShare[m];
    }

    double ResistanceAt(double y) const override {
        return y <= 16.0 * y50_ ? 0.5 * pu_ * std::pow(y / y50_, 0.25) : pu_;
    }

    double c_ = 0.0, ca_ = 0.0, gamma_ = 0.0, e50_ = 0.0;
    double pu_ = 0.0, y50_ = 0.0;
};

}  // namespace

Step GenerateStiffClayNoFreeWater(PyRun& run, int n) {
    StiffClayNoFreeWater model;
    return GenerateLayer(run, n, model);
}

}  // namespace keldra
