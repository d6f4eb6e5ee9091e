// Strong rock: a stiff line to 0.0004 b, a softer line to the rock's strength
// at about 0.0024 b, then brittle failure to a residual resistance of the
// overburden alone. Rock takes no active pressure and builds no equivalent
// depth for the layers below.
#include "engine/fixed_line.h"
#include "engine/py_model.h"
#include "engine/py_models.h"

namespace keldra {

namespace {

class StrongRock final : public PyModel {
  public:
    Step ReadSoil(PyRun& run, const StationSide& st) override {
        su_ = 0.5 * run.STRENGTHAT(st.XD);  // half the uniaxial compressive strength
        gamma_ = run.GAMAVG(st.XD);
        if (run.stopped()) return Step::kStop;
        if (!(su_ > 0.0)) {
            return run.StopAt(
                "     ERROR STOP -- STRENGTH OF THE STRONG ROCK IS NOT POSITIVE AT X =",
                run.state().grid.HFREE + st.XSTA);
        }
        return Step::kContinue;
    }

    double Resistance(const StationSide& st) override {
        const double b = st.b;
        k1_ = 2000.0 * su_;
        y1_ = 0.0004 * b;
        p1_ = k1_ * y1_;
        const double pur = su_ * b;
        y2_ = (pur - p1_) / (100.0 * su_) + y1_;
        residual_ = 0.5 * gamma_ * st.X0 * b;
        return 0.0;
    }

    // Points 1 to 16 rise to the peak (point 16 at y2, up to rounding);
    // point 17 carries the residual value, which no multiplier reduces.
    void Curve(const StationSide& st, CurvePoints& out) const override {
        const double dy = y2_ / 15.0;
        double y = 0.0;
        for (int m = 1; m <= kCurvePoints; ++m) {
            out.y[m] = st.ym * y;
            if (m == kCurvePoints) {
                out.p[m] = residual_;
            } else if (y < y1_) {
                out.p[m] = st.pm * k1_ * y;
            } else {
                out.p[m] = st.pm * (p1_ + 100.0 * su_ * (y - y1_));
            }
            y += dy;
        }
    }

    // clang-format off
    void WriteHeading(OutputFile& report, const UnitLabels& u,
                      const StationSide& st) const override {
        WriteEmptyLine(report);
        WriteEmptyLine(report);
        FixedLine().X(17)
            .Text(st.side == Side::kExcavation ? "DEPTH-EXCAVATION SIDE" : "DEPTH-BACKFILL SIDE  ")
            .X(5).Text("DIAM").X(8).Text("C").X(7).WriteTo(report);
        FixedLine().X(30).Text(u.L2).X(12).Text(u.L2).X(5).Text(PerLength(u, "2")).X(1)
            .WriteTo(report);
        FixedLine().X(24).F(10, 2, st.X0).X(5).F(10, 3, st.b).E(10, 1, su_).WriteTo(report);
        FixedLine().X(38).Text("Y").X(19).Text("P").WriteTo(report);
        FixedLine().X(38).Text(u.L2).X(15).Text(PerLength(u)).WriteTo(report);
    }
    // clang-format on

    PointLayout Layout() const override { return {'G', 3, 1, 0, false}; }

  private:
    double su_ = 0.0, gamma_ = 0.0;
    double k1_ = 0.0, y1_ = 0.0, p1_ = 0.0, y2_ = 0.0, residual_ = 0.0;
};

}  // namespace

Step GenerateStrongRock(PyRun& run, int n) {
    StrongRock model;
    return GenerateLayer(run, n, model);
}

}  // namespace keldra
