// The interface between the common station procedure and the soil models.
//
// For each station of a p-y layer, in increasing depth, the procedure visits
// the excavation side (1), whose branch resists deflection toward the
// excavation, and then the backfill side (2). On side 1 the model reads its
// soil values at the station; side 2 reuses them with the depths measured
// from the top of the wall. Every curve has 17 points (y, p) with y >= 0 and
// p the resistance of that side, after the p- and y-multipliers and the
// active-pressure shift.
#pragma once

#include <optional>
#include <string_view>

#include "engine/output_file.h"
#include "engine/py_run.h"
#include "engine/run_status.h"
#include "engine/unit_labels.h"

namespace keldra {

inline constexpr int kCurvePoints = 17;

enum class Side { kExcavation = 1, kBackfill = 2 };

// One station on one side.
struct StationSide {
    int n;  // p-y layer
    int i;  // station, 5n-4 .. 5n
    Side side;
    bool first;       // the layer's first station
    bool last;        // the layer's last station
    double XSTA;      // below the excavation level
    double XD;        // XSTA on the excavation side, HFREE + XSTA on the backfill side
    double X;         // depth for the resistance formulas: XD - XTOP(n) + XEQ(n)
    double X0;        // depth below this side's ground surface: XD - XTOP(1)
    double b;         // width for soil resistance
    double pm, ym;    // p- and y-multiplier at HFREE + XSTA
    bool continuous;  // the wall is continuous (RWAWP < 1.1)
};

struct CurvePoints {  // 1-based
    double y[kCurvePoints + 1];
    double p[kCurvePoints + 1];
};

// How a model writes its points: report field (Fw.d, Ew.d or Gw.d with w =
// 20), the blanks before p and before y in the SOILDATA record, and whether
// the multiplier line follows the points.
struct PointLayout {
    char field;  // 'F', 'E' or 'G'
    int decimals;
    int blanksBeforeP, blanksBeforeY;
    bool multiplierLine;
};

class PyModel {
  public:
    virtual ~PyModel() = default;

    // Soil values at XD of the excavation side, kept for the backfill side.
    virtual Step ReadSoil(PyRun& run, const StationSide& st) = 0;

    // The equivalent depth of layer n > 1 at its first station: the depth at
    // which this soil, alone, would have accumulated the resistance S of the
    // layers above. Rock layers have none (0).
    virtual Step EquivalentDepth(PyRun&, const StationSide&, double /*S*/, double& XEQ) {
        XEQ = 0.0;
        return Step::kContinue;
    }

    // Ultimate resistance and characteristic deflections of this side; returns
    // the resistance accumulated into RACC (0 for rock).
    virtual double Resistance(const StationSide& st) = 0;

    // Sand and silt also count the part of the layer below its last station.
    virtual bool AccumulatesBelowLastStation() const { return false; }

    // The 17 transformed points of this side.
    virtual void Curve(const StationSide& st, CurvePoints& out) const = 0;

    // The report lines before the points.
    virtual void WriteHeading(OutputFile& report, const UnitLabels& labels,
                              const StationSide& st) const = 0;

    // A report note after point m (the soft clay's tiny-deflection warning).
    virtual void AfterPointLine(OutputFile& /*report*/, int /*m*/, const CurvePoints&) const {}

    virtual PointLayout Layout() const = 0;
};

// A model whose curve is a resistance p(y) at its own 17 deflections: each
// point is multiplied and shifted, y' = ym y, p' = pm p - PASHIFT on the
// excavation side and pm p + PASHIFT on the backfill side.
class PointwiseModel : public PyModel {
  public:
    void Curve(const StationSide& st, CurvePoints& out) const final;

  protected:
    // Deflection of point m for the width b, and the resistance at deflection
    // y, both before the multipliers and the shift.
    virtual double Deflection(int m, double b) const = 0;
    virtual double ResistanceAt(double y) const = 0;

    // The initial modulus k·X of the soils whose curve is never stiffer than
    // the line k·X·y.
    virtual std::optional<double> InitialModulus() const { return std::nullopt; }

    double PASHIFT_ = 0.0;  // active pressure moved into the curve
};

// A force per length unit of the report: "LBS/IN", or with a power "LBS/IN**2".
class PerLength {
  public:
    explicit PerLength(const UnitLabels& u, const char* power = "");
    operator std::string_view() const { return {text_, static_cast<std::size_t>(length_)}; }

  private:
    char text_[16] = {};
    int length_ = 0;
};

// The opening of a station and side: two empty lines, the side's name and the
// model's empty lines before its heading.
void WriteSideOpener(OutputFile& report, Side side, int emptyLinesAfter);

// Runs the common procedure over the five stations of p-y layer n.
Step GenerateLayer(PyRun& run, int n, PyModel& model);

}  // namespace keldra
