// Weak rock: a line of the initial modulus Kir up to yA, then a quarter-power
// curve of the rock mass up to its ultimate resistance. Rock takes no active
// pressure and builds no equivalent depth for the layers below.
#include <algorithm>
#include <cmath>

#include "engine/fixed_line.h"
#include "engine/py_model.h"
#include "engine/py_models.h"

namespace keldra {

namespace {

// Deflections of the points as multiples of yrm; there is no point at zero.
constexpr double kDeflectionFactor[kCurvePoints + 1] = {0,    0.0005, 0.001, 0.003, 0.006, 0.009,
                                                        0.02, 0.04,   0.06,  0.08,  0.1,   0.25,
                                                        0.5,  0.75,   1,     4,     8,     12};

void WarnNoStrength() {
    std::fprintf(stderr,
                 "\n       --------------------WARNING----------------------\n"
                 "       THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT\n"
                 "       DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.\n");
}

class WeakRock final : public PointwiseModel {
  public:
    explicit WeakRock(const PyLayer& layer) : layer_(layer), Er_(layer.AKPY) {}

    Step ReadSoil(PyRun& run, const StationSide& st) override {
        qu_ = run.STRENGTHAT(st.XD);
        krm_ = run.E50AT(st.XD);
        const double RQD = run.P5AT(st.XD);  // percent
        gamma_ = run.GAMAVG(st.XD);
        // The average strength from the layer top down to the station.
        qa_ = st.n == 1 ? run.CAVGAT(1, st.XD) : 0.5 * (run.STRENGTHAT(layer_.XTOP + 1e-8) + qu_);
        if (run.stopped()) return Step::kStop;
        const double depth = run.state().grid.HFREE + st.XSTA;
        if (qu_ < 1e-10 && !st.first) {
            WarnNoStrength();
            return run.StopAt("     ERROR STOP -- STRENGTH OF THE WEAK ROCK IS ZERO AT X =", depth);
        }
        if (!(krm_ > 0.0)) {
            return run.StopAt("     ERROR STOP -- KRM OF THE WEAK ROCK IS NOT POSITIVE AT X =",
                              depth);
        }
        // Without Er the initial modulus flattens the whole curve to zero.
        if (run.Require(kRockMassModulus, Bound::kPositive, Er_, depth) == Step::kStop) {
            return Step::kStop;
        }
        ar_ = 1.0 - RQD / 150.0;
        return Step::kContinue;
    }

    double Resistance(const StationSide& st) override {
        const double b = st.b;
        const double xr = st.XD - layer_.XTOP + 1e-8;
        if (xr <= 3.0 * b) {
            pur_ = ar_ * qa_ * (b + 1.4 * xr);
            Kir_ = Er_ * (100.0 + 400.0 * xr / (3.0 * b));
        } else {
            pur_ = 5.2 * ar_ * qa_ * b;
            Kir_ = 500.0 * Er_;
        }
        yrm_ = krm_ * b;
        yA_ = std::pow(pur_ / (2.0 * std::pow(yrm_, 0.25) * Kir_), 4.0 / 3.0);
        return 0.0;
    }

    // clang-format off
    void WriteHeading(OutputFile& report, const UnitLabels& u,
                      const StationSide& st) const override {
        WriteSideOpener(report, st.side, 2);
        FixedLine().X(14).Text("DEPTH").X(5).Text("DIAM").X(7).Text("Qu").X(7).Text(" Eu ").X(3)
            .Text("GAMMA AVG").X(6).Text("E50").WriteTo(report);
        FixedLine().X(16).Text(u.L2).X(7).Text(u.L2).X(4).Text(PerLength(u, "2")).X(1)
            .Text(PerLength(u, "2")).X(1).Text(PerLength(u, "3")).X(1).WriteTo(report);
        FixedLine().X(10).F(10, 2, st.X0).F(10, 3, st.b).E(10, 2, qu_).E(10, 2, Er_)
            .E(10, 2, gamma_).E(12, 3, krm_).WriteTo(report);
        FixedLine().X(37).Text("Y").X(19).Text("P").WriteTo(report);
        FixedLine().X(37).Text(u.L2).X(16).Text(PerLength(u)).WriteTo(report);
    }
    // clang-format on

    PointLayout Layout() const override { return {'E', 3, 2, 2, false}; }

  private:
    double Deflection(int m, double /*b*/) const override { return yrm_ * kDeflectionFactor[m]; }

    double ResistanceAt(double y) const override {
        return y < yA_ ? Kir_ * y : std::min(0.5 * pur_ * std::pow(y / yrm_, 0.25), pur_);
    }

    const PyLayer& layer_;
    double Er_;  // rock mass modulus, value 5 at the layer top
    double qu_ = 0.0, krm_ = 0.0, gamma_ = 0.0, qa_ = 0.0, ar_ = 0.0;
    double pur_ = 0.0, Kir_ = 0.0, yrm_ = 0.0, yA_ = 0.0;
};

}  // namespace

Step GenerateWeakRock(PyRun& run, int n) {
    WeakRock model(run.profile().layer[n]);
    return GenerateLayer(run, n, model);
}

}  // namespace keldra
