// Stiff clay below free water: a parabola that softens after A·y50 and falls
// to a residual resistance, never stiffer than the initial modulus k·X. The
// resistance grows with the depth below the side's ground surface, so the
// equivalent depth of a deeper layer serves only the layers below it.
#include <algorithm>
#include <cmath>

#include "engine/fixed_line.h"
#include "engine/py_clay.h"
#include "engine/py_depth_tables.h"
#include "engine/py_models.h"

namespace keldra {

namespace {

constexpr int kEquivalentDepthSteps = 40;

// Share of pc that the curve holds on average (its accumulated resistance).
double ResidualShare(double A) { return 1.225 * std::sqrt(A) - 0.75 * A - 0.411; }

class StiffClayFreeWater final : public PointwiseModel {
  public:
    explicit StiffClayFreeWater(double k) : k_(k) {}

    Step ReadSoil(PyRun& run, const StationSide& st) override {
        c_ = run.STRENGTHAT(st.XD);
        gamma_ = run.GAMAVG(st.XD);
        e50_ = run.E50AT(st.XD);
        if (st.n == 1) {
            ca_ = run.CAVGAT(1, st.XD);
        } else {
            // Running mean of c over the layer's stations (trapezoidal).
            if (st.first) {
                integral_ = 0.0;
                firstXSTA_ = st.XSTA;
            } else {
                integral_ += (st.XSTA - previousXSTA_) * 0.5 * (c_ + previousC_);
            }
            ca_ = st.first ? c_ : integral_ / (st.XSTA - firstXSTA_);
            previousXSTA_ = st.XSTA;
            previousC_ = c_;
        }
        if (run.stopped()) return Step::kStop;
        // Without k the initial modulus k·X flattens the whole curve to zero.
        if (run.Require(kSubgradeModulus, Bound::kPositive, k_, run.state().grid.HFREE + st.XSTA) ==
            Step::kStop) {
            return Step::kStop;
        }
        PASHIFT_ = ClayPASHIFT(run.state().SIGVEXC, c_, st.b);
        return CheckE50(run, st, e50_);
    }

    Step EquivalentDepth(PyRun&, const StationSide& st, double S, double& XEQ) override {
        const double b = st.b;
        const double xr = (11.0 * c_ * b - 2.0 * ca_ * b) / (2.83 * ca_ + gamma_ * b);
        XEQ = 0.0;
        if (!(c_ > 0.0) || !(xr > 0.0)) return Step::kContinue;  // no resistance to match
        const double dX = xr / kEquivalentDepthSteps;
        double sum = 0.0;
        double f = 0.0;
        for (int i = 1; i <= kEquivalentDepthSteps; ++i) {
            const double x = i * dX;
            f = ResidualShare(StiffClayFactorAS(x / b));
            const double previous = sum;
            sum += (2.83 * ca_ * x + 2.0 * ca_ * b + gamma_ * b * x) * f * dX;
            if (sum > S) {
                XEQ = x - (sum - S) * dX / (sum - previous);
                return Step::kContinue;
            }
        }
        XEQ = (S - sum) / (11.0 * c_ * b * f) + xr;
        return Step::kContinue;
    }

    double Resistance(const StationSide& st) override {
        const double b = st.b;
        const double X = st.X0;  // this model ignores the equivalent depth
        const double pct = 2.0 * ca_ * b + gamma_ * b * X + 2.83 * ca_ * X;
        const double pcd = 11.0 * c_ * b;
        pc_ = std::min(pct, pcd);
        if (st.continuous) pc_ = ClayContinuousWallResistance(gamma_, st.X0, c_, b);
        A_ = StiffClayFactorAS(st.X0 / b);
        y50_ = e50_ * b;
        initialModulus_ = k_ * X;
        return pc_ * ResidualShare(A_);
    }

    // clang-format off
    void WriteHeading(OutputFile& report, const UnitLabels& u,
                      const StationSide& st) const override {
        WriteSideOpener(report, st.side, 2);
        FixedLine().X(9).Text("DEPTH BELOW GS").X(6).Text("DIAM").X(8).Text("C").X(9).Text("CAVG")
            .X(4).Text("GAMMA AVG").X(6).Text("E50").WriteTo(report);
        FixedLine().X(15).Text(u.L2).X(13).Text(u.L2).X(5).Text(PerLength(u, "2")).X(2)
            .Text(PerLength(u, "2")).X(2).Text(PerLength(u, "3")).WriteTo(report);
        FixedLine().X(9).F(10, 2, st.X0).X(5).F(10, 3, st.b).X(1).G(10, 2, c_).X(1).G(10, 2, ca_)
            .X(1).G(10, 2, gamma_).G(12, 4, e50_).WriteTo(report);
    }
    // clang-format on

    PointLayout Layout() const override { return {'F', 3, 1, 1, false}; }

  private:
    double Deflection(int m, double /*b*/) const override {
        const double Ay50 = A_ * y50_;
        switch (m) {
            case 1:
                return 0.0;
            case 14:
                return 10.0 * Ay50;
            case 15:
                return 14.0 * Ay50;
            case 16:
                return 18.0 * Ay50;
            case 17:
                return 200.0 * Ay50;
            default:
                return (m - 1) * 0.5 * Ay50;  // up to 6 A y50
        }
    }

    double ResistanceAt(double y) const override {
        const double Ay50 = A_ * y50_;
        const double parabola = 0.5 * pc_ * std::sqrt(y / y50_);
        if (y <= Ay50) return parabola;
        if (y <= 6.0 * Ay50) return parabola - 0.055 * pc_ * std::pow((y - Ay50) / Ay50, 1.25);
        const double softened = 0.5 * pc_ * std::sqrt(6.0 * A_) - 0.411 * pc_;
        if (y <= 18.0 * Ay50) return softened - 0.0625 * pc_ / y50_ * (y - 6.0 * Ay50);
        return softened - 0.75 * pc_ * A_;
    }

    std::optional<double> InitialModulus() const override { return initialModulus_; }

    double k_;
    double c_ = 0.0, ca_ = 0.0, gamma_ = 0.0, e50_ = 0.0;
    double integral_ = 0.0, firstXSTA_ = 0.0, previousXSTA_ = 0.0, previousC_ = 0.0;
    double pc_ = 0.0, A_ = 0.0, y50_ = 0.0, initialModulus_ = 0.0;
};

}  // namespace

Step GenerateStiffClayFreeWater(PyRun& run, int n) {
    StiffClayFreeWater model(run.profile().layer[n].AKPY);
    return GenerateLayer(run, n, model);
}

}  // namespace keldra
