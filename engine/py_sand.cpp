// Sand: a straight line k·X·y, a parabola up to yk = b/60, a straight line to
// the ultimate resistance at yu = 3b/80, and the ultimate resistance beyond.
#include <cmath>

#include "engine/fixed_line.h"
#include "engine/pi.h"
#include "engine/py_depth_tables.h"
#include "engine/py_frictional.h"
#include "engine/py_model.h"
#include "engine/py_models.h"

namespace keldra {

namespace {

constexpr int kEquivalentDepthSteps = 100;

class Sand final : public PointwiseModel {
  public:
    explicit Sand(double k) : k_(k) {}

    Step ReadSoil(PyRun& run, const StationSide& st) override {
        gamma_ = run.GAMAVG(st.XD);
        const double phi = run.PHIAT(st.XD);
        if (run.stopped()) return Step::kStop;
        if (!(phi > 0.0 && phi < kPiFourDecimals / 2.0)) {
            return run.StopAt(
                "     ERROR STOP -- FRICTION ANGLE OF THE SAND NOT ABOVE 0 AND"
                " BELOW 90 DEGREES AT X =",
                run.state().grid.HFREE + st.XSTA);
        }
        // Without k the initial modulus k·X flattens the whole curve to zero.
        if (run.Require(kSubgradeModulus, Bound::kPositive, k_, run.state().grid.HFREE + st.XSTA) ==
            Step::kStop) {
            return Step::kStop;
        }
        angles_ = AnglesOf(phi, kPiFourDecimals);
        PASHIFT_ = run.state().SIGVEXC * angles_.Ka * st.b;
        if (PASHIFT_ < 1e-5) PASHIFT_ = 0.0;
        return Step::kContinue;
    }

    Step EquivalentDepth(PyRun& run, const StationSide& st, double S, double& XEQ) override {
        const EquivalentDepthSoil soil{angles_, st.b, gamma_, 0.0, false, kEquivalentDepthSteps,
                                       st.X0};
        return EquivalentDepthOrStop(
            run, st, soil, S,
            "     ERROR STOP -- NO EQUIVALENT DEPTH FOR THE SAND LAYER AT X =", XEQ);
    }

    double Resistance(const StationSide& st) override {
        const double b = st.b;
        kx_ = k_ * st.X;
        r_ = FrictionalResistanceAt(angles_, b, gamma_, st.X);
        const double ps =
            st.continuous ? ContinuousWallResistance(angles_, angles_.phi / 2.0, b, gamma_, st.X0)
                          : r_.ps;
        A_ = SandFactorA(st.X0 / b);
        B_ = SandFactorB(st.X0 / b);
        pu_ = A_ * ps;
        pk_ = B_ * ps;
        yu_ = 3.0 * b / 80.0;
        yk_ = b / 60.0;
        m_ = (pu_ - pk_) / (yu_ - yk_);
        N_ = pk_ / (m_ * yk_);
        C_ = pk_ / std::pow(yk_, 1.0 / N_);
        ykk_ = std::pow(C_ / kx_, N_ / (N_ - 1.0));
        return pu_;
    }

    bool AccumulatesBelowLastStation() const override { return true; }

    // clang-format off
    void WriteHeading(OutputFile& report, const UnitLabels& u,
                      const StationSide& st) const override {
        WriteSideOpener(report, st.side, 2);
        FixedLine().X(11).Text("DEPTH BELOW GS").X(2).Text("DIAM").X(3).Text("PHI").X(2)
            .Text("GAMMA AVG").X(4).Text("A").X(4).Text("B").X(5).Text("PCT").X(7).Text("PCD")
            .WriteTo(report);
        FixedLine().X(17).Text(u.L2).X(9).Text(u.L2).X(9).Text(PerLength(u, "3")).WriteTo(report);
        FixedLine().X(10).F(10, 2, st.X0).X(4).F(7, 2, st.b).F(7, 2, angles_.phi * 180.0 / kPiFourDecimals)
            .E(9, 2, gamma_).X(2).F(5, 2, A_).F(5, 2, B_).E(9, 2, r_.pst).E(9, 2, r_.psd)
            .WriteTo(report);
        WriteEmptyLine(report);
        FixedLine().X(38).Text("Y").X(19).Text("P").WriteTo(report);
        FixedLine().X(38).Text(u.L2).X(15).Text(PerLength(u)).WriteTo(report);
    }
    // clang-format on

    PointLayout Layout() const override { return {'F', 3, 1, 1, true}; }

  private:
    double Deflection(int m, double b) const override {
        if (m <= 13) return (m - 1) * yk_ / 12.0;  // point 13 is yk
        if (m == 14) return yu_;
        return yu_ + (m - 14) * b;
    }

    double ResistanceAt(double y) const override {
        if (y <= ykk_) return kx_ * y;
        if (y <= yk_) return C_ * std::pow(y, 1.0 / N_);
        if (y <= yu_) return pk_ + m_ * (y - yk_);
        return pu_;
    }

    std::optional<double> InitialModulus() const override { return kx_; }

    double k_;
    FrictionAngles angles_{};
    double gamma_ = 0.0;
    FrictionalResistance r_{};
    double kx_ = 0.0, A_ = 0.0, B_ = 0.0, pu_ = 0.0, pk_ = 0.0, yu_ = 0.0, yk_ = 0.0;
    double m_ = 0.0, N_ = 0.0, C_ = 0.0, ykk_ = 0.0;
};

}  // namespace

Step GenerateSand(PyRun& run, int n) {
    Sand model(run.profile().layer[n].AKPY);
    return GenerateLayer(run, n, model);
}

}  // namespace keldra
