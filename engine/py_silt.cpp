// Silt, a soil with cohesion and friction: the sand curve shape with the
// cohesive resistance added to the characteristic resistance pk.
#include <cmath>

#include "engine/fixed_line.h"
#include "engine/pi.h"
#include "engine/py_depth_tables.h"
#include "engine/py_frictional.h"
#include "engine/py_model.h"
#include "engine/py_models.h"

namespace keldra {

namespace {

constexpr double kWallFriction = 0.17453332;  // 10 degrees
constexpr int kEquivalentDepthSteps = 50;

void WarnNoFriction() {
    std::fprintf(stderr,
                 "\n\n       WARNING-------The Angle of the slope can not\n"
                 "                     be greater than the internal  \n"
                 "                     friction angle of the sand.   \n\n");
}

// Which parts the curve is made of: 1 line, parabola, line, ultimate; 2 the
// initial line meets the straight part between yk and yu; 3 the initial line
// runs up to the ultimate resistance.
enum class Shape { kParabola, kLines, kInitialLine };

class Silt final : public PointwiseModel {
  public:
    explicit Silt(double k) : k_(k) {}

    Step ReadSoil(PyRun& run, const StationSide& st) override {
        gamma_ = run.GAMAVG(st.XD);
        const double phi = run.PHIAT(st.XD);
        c_ = run.STRENGTHAT(st.XD);
        if (run.stopped()) return Step::kStop;
        const double depth = run.state().grid.HFREE + st.XSTA;
        if (1.0 - std::cos(phi) * std::cos(phi) < 1e-10) {
            WarnNoFriction();
            return run.StopAt("     ERROR STOP -- FRICTION ANGLE OF THE SILT IS ZERO AT X =",
                              depth);
        }
        if (!(phi < kPi / 2.0)) {
            return run.StopAt(
                "     ERROR STOP -- FRICTION ANGLE OF THE SILT NOT BELOW 90 DEGREES"
                " AT X =",
                depth);
        }
        // Without k the initial modulus k·X flattens the whole curve to zero.
        if (run.Require(kSubgradeModulus, Bound::kPositive, k_, depth) == Step::kStop) {
            return Step::kStop;
        }
        angles_ = AnglesOf(phi, kPi);
        const double Ka = angles_.Ka;
        PASHIFT_ = run.state().SIGVEXC * Ka * st.b - 2.0 * c_ * std::sqrt(Ka) * st.b;
        if (PASHIFT_ < 1e-5) PASHIFT_ = 0.0;
        return Step::kContinue;
    }

    Step EquivalentDepth(PyRun& run, const StationSide& st, double S, double& XEQ) override {
        const EquivalentDepthSoil soil{angles_, st.b, gamma_, c_, true, kEquivalentDepthSteps,
                                       st.X0};
        return EquivalentDepthOrStop(
            run, st, soil, S,
            "     ERROR STOP -- NO EQUIVALENT DEPTH FOR THE SILT LAYER AT X =", XEQ);
    }

    double Resistance(const StationSide& st) override {
        const double b = st.b;
        const double X = st.X;
        kx_ = k_ * X;
        const FrictionalResistance r = FrictionalResistanceAt(angles_, b, gamma_, X);
        ps_ = st.continuous ? ContinuousWallResistance(angles_, kWallFriction, b, gamma_, st.X0)
                            : r.ps;
        const double Np = c_ > 0.0 ? 3.0 + gamma_ * X / c_ + 0.5 * X / b : 0.0;
        puc_ = Np < 9.0 ? Np * c_ * b : 9.0 * c_ * b;
        if (st.continuous) puc_ = gamma_ * st.X0 * b + 2.0 * c_ * b;
        A_ = SandFactorA(X / b);
        B_ = SandFactorB(X / b);  // printed only
        pu_ = A_ * ps_;
        yu_ = 3.0 * b / 80.0;
        yk_ = b / 60.0;
        pk_ = 1.5 * ps_ + puc_;
        m_ = (pu_ - pk_) / (yu_ - yk_);
        N_ = pk_ / (std::fabs(m_) * yk_);
        C_ = pk_ / std::pow(yk_, 1.0 / N_);
        ykk_ = std::pow(C_ / kx_, N_ / (N_ - 1.0));
        ChooseShape();
        return pu_;
    }

    bool AccumulatesBelowLastStation() const override { return true; }

    // clang-format off
    void WriteHeading(OutputFile& report, const UnitLabels& u,
                      const StationSide& st) const override {
        WriteSideOpener(report, st.side, 2);
        FixedLine().X(5).Text("DEPTH").X(6).Text("DIAM").X(6).Text("PHI").X(2).Text("GAMMA AVG")
            .X(8).Text("A").X(9).Text("B").X(5).Text("Puc").X(7).Text("Pu\xED").WriteTo(report);
        FixedLine().X(7).Text(u.L2).X(8).Text(u.L2).X(12).Text(PerLength(u, "3")).WriteTo(report);
        FixedLine().F(10, 2, st.X0).F(10, 2, st.b).F(10, 1, angles_.phi * 180.0 / kPi)
            .E(10, 3, gamma_).F(10, 2, A_).F(10, 2, B_).E(10, 3, puc_).E(10, 3, ps_)
            .WriteTo(report);
        WriteEmptyLine(report);
        FixedLine().X(37).Text("Y").X(19).Text("P").WriteTo(report);
        FixedLine().X(37).Text(u.L2).X(16).Text(PerLength(u)).WriteTo(report);
    }
    // clang-format on

    PointLayout Layout() const override { return {'E', 3, 2, 2, true}; }

  private:
    void ChooseShape() {
        if (ykk_ >= 0.0 && ykk_ < yk_) {
            shape_ = Shape::kParabola;
            return;
        }
        yint_ = (pk_ - m_ * yk_) / (kx_ - m_);
        if (yint_ >= yk_ && yint_ < yu_) {
            shape_ = Shape::kLines;
        } else if (pu_ / kx_ >= yu_) {
            shape_ = Shape::kInitialLine;
        } else {
            shape_ = Shape::kParabola;
        }
    }

    double Deflection(int m, double b) const override {
        if (m <= 13) return (m - 1) * yk_ / 12.0;  // point 13 is yk
        if (m == 14) return yu_;
        return yu_ + (m - 14) * 0.5 * b;
    }

    double ResistanceAt(double y) const override {
        switch (shape_) {
            case Shape::kLines:
                if (y <= yint_) return kx_ * y;
                if (y <= yu_) return kx_ * yint_ + m_ * (y - yint_);
                return pu_;
            case Shape::kInitialLine:
                return y <= pu_ / kx_ ? kx_ * y : pu_;
            case Shape::kParabola:
            default:
                if (y <= ykk_) return kx_ * y;
                if (y <= yk_) return C_ * std::pow(y, 1.0 / N_);
                if (y <= yu_) return pk_ + m_ * (y - yk_);
                return pu_;
        }
    }

    std::optional<double> InitialModulus() const override { return kx_; }

    double k_;
    FrictionAngles angles_{};
    double gamma_ = 0.0, c_ = 0.0;
    double kx_ = 0.0, ps_ = 0.0, puc_ = 0.0, A_ = 0.0, B_ = 0.0, pu_ = 0.0, pk_ = 0.0;
    double yu_ = 0.0, yk_ = 0.0, m_ = 0.0, N_ = 0.0, C_ = 0.0, ykk_ = 0.0, yint_ = 0.0;
    Shape shape_ = Shape::kParabola;
};

}  // namespace

Step GenerateSilt(PyRun& run, int n) {
    Silt model(run.profile().layer[n].AKPY);
    return GenerateLayer(run, n, model);
}

}  // namespace keldra
