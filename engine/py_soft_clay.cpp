// Soft clay: a cubic-root parabola up to eight times y50, then the ultimate
// resistance.
#include <algorithm>
#include <cmath>

#include "engine/fixed_line.h"
#include "engine/py_clay.h"
#include "engine/py_models.h"

namespace keldra {

namespace {

constexpr double kTinyDeflection = 1e-14;

class SoftClay final : public PointwiseModel {
  public:
    Step ReadSoil(PyRun& run, const StationSide& st) override {
        c_ = run.STRENGTHAT(st.XD);
        gamma_ = run.GAMAVG(st.XD);
        e50_ = run.E50AT(st.XD);
        if (run.stopped()) return Step::kStop;
        PASHIFT_ = ClayPASHIFT(run.state().SIGVEXC, c_, st.b);
        return CheckE50(run, st, e50_);
    }

    Step EquivalentDepth(PyRun&, const StationSide& st, double S, double& XEQ) override {
        const double b = st.b;
        const double xr = c_ > 0.0 ? 6.0 * c_ * b / (0.5 * c_ + gamma_ * b) : 0.0;
        XEQ = ClayEquivalentDepth(S, c_, gamma_, b, xr);
        return Step::kContinue;
    }

    double Resistance(const StationSide& st) override {
        const double b = st.b;
        const double Np = c_ > 0.0 ? 3.0 + gamma_ * st.X / c_ + 0.5 * st.X / b : 0.0;
        pu_ = std::min(Np, 9.0) * c_ * b;
        if (st.continuous) pu_ = ClayContinuousWallResistance(gamma_, st.X0, c_, b);
        y50_ = 2.5 * e50_ * b;
        return pu_;
    }

    // clang-format off
    void WriteHeading(OutputFile& report, const UnitLabels& u,
                      const StationSide& st) const override {
        WriteSideOpener(report, st.side, 1);
        FixedLine().X(9).Text("DEPTH BELOW GS").X(6).Text("DIAM").X(8).Text("C").X(6)
            .Text("GAMMA AVG").X(6).Text("E50").WriteTo(report);
        FixedLine().X(15).Text(u.L2).X(13).Text(u.L2).X(5).Text(PerLength(u, "2")).X(2)
            .Text(PerLength(u, "3")).WriteTo(report);
        FixedLine().X(8).F(10, 2, st.X0).X(6).F(10, 3, st.b).X(1).G(10, 4, c_).X(1).G(10, 4, gamma_)
            .X(1).G(12, 4, e50_).WriteTo(report);
        WriteEmptyLine(report);
        FixedLine().X(37).Text("Y,").Text(u.L2).X(13).Text("P,").Text(PerLength(u)).WriteTo(report);
    }
    // clang-format on

    // A deflection below 1e-14 cannot be drawn on the cubic-root curve; the
    // report names the secant modulus at that deflection instead.
    void AfterPointLine(OutputFile& report, int m, const CurvePoints& c) const override {
        if (m < 2 || !(c.y[m] < kTinyDeflection)) return;
        WriteEmptyLine(report);
        FixedLine().X(29).Text("**** WARNING ****").WriteTo(report);
        FixedLine().X(5).Text("DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM").WriteTo(report);
        const double modulus = 0.5 * pu_ * std::pow(y50_ / kTinyDeflection, 2.0 / 3.0) / y50_;
        FixedLine().X(5).Text("USED A SOIL MODULUS OF ").G(12, 4, modulus).WriteTo(report);
    }

    PointLayout Layout() const override { return {'F', 3, 1, 1, true}; }

  private:
    double Deflection(int m, double /*b*/) const override {
        switch (m) {
            case 1:
                return 0.0;
            case 2:
                return 0.008 * y50_;
            case 15:
                return 8.0 * y50_;
            case 16:
                return 15.0 * y50_;
            case 17:
                return 20.0 * y50_;
            default:
                return (m - 2) * y50_ / 4.0;  // 0.25 y50 .. 3 y50
        }
    }

    double ResistanceAt(double y) const override {
        if (y <= 0.0) return 0.0;
        if (y <= 8.0 * y50_) return 0.5 * pu_ * std::cbrt(y / y50_);
        return pu_;
    }

    double c_ = 0.0, gamma_ = 0.0, e50_ = 0.0;
    double pu_ = 0.0, y50_ = 0.0;
};

}  // namespace

Step GenerateSoftClay(PyRun& run, int n) {
    SoftClay model;
    return GenerateLayer(run, n, model);
}

}  // namespace keldra
