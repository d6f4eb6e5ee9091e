#include "engine/report_results.h"

#include "engine/fixed_line.h"

namespace keldra {

void WriteResultsSection(EngineState& s, const SolveOutcome& outcome,
                         const StationResults& results) {
    OutputFile& report = s.files.report;
    const UnitLabels& u = s.labels;
    WriteEmptyLine(report);
    WriteEmptyLine(report);
    FixedLine().Text("     RESULTS -- ITERATION").I(3, outcome.ITER).WriteTo(report);
    FixedLine().Text("     --------------------").WriteTo(report);
    if (outcome.KOFF) {
        WriteEmptyLine(report);
        FixedLine().Text("     ***** DEFLECTION OFF Q - W CURVES *****").WriteTo(report);
    }
    if (outcome.NMX > 0) {
        WriteEmptyLine(report);
        FixedLine()
            .Text("     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***")
            .I(4, outcome.NMX)
            .Text("  *** STATIONS *****")
            .WriteTo(report);
    }
    if (outcome.NNC > 0) {
        WriteEmptyLine(report);
        FixedLine()
            .Text("     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****")
            .WriteTo(report);
    }
    if (!outcome.finite) {
        WriteEmptyLine(report);
        FixedLine()
            .Text("     ***** SOLUTION NOT CLOSED -- NON-FINITE DEFLECTION, MOMENT, SHEAR OR SOIL ")
            .Text("REACTION *****")
            .WriteTo(report);
    }
    WriteEmptyLine(report);
    FixedLine()
        .Text("   STA I      X         DEFL.       SLOPE")
        .Text("      MOMENT      SHEAR    NET REACT/STA    EI ")
        .WriteTo(report);
    // clang-format off
    FixedLine()
        .X(12).A(3, u.L)                                           // x
        .X(9).A(3, u.L)                                            // deflection
        .X(19).A(3, u.F3).A(1, "-").A(2, u.L2)                     // moment
        .X(7).A(4, u.F)                                            // shear
        .X(8).A(4, u.F)                                            // net reaction
        .X(7).A(3, u.F3).A(1, "-").A(2, u.L2).A(2, "**").A(1, "2")  // EI
        .WriteTo(report);
    // clang-format on
    FixedLine()
        .Text("   ------    ----        ----       -----")
        .Text("      ------      ------    ---------    ----------")
        .WriteTo(report);
    for (int i = 0; i <= s.grid.NINC; ++i) {
        const StationResult& r = results.at[i + kStationOffset];
        FixedLine line;
        line.X(2).I(4, i).X(2).E(10, 3, r.x);
        for (double v : {r.deflection, r.slope, r.moment, r.shear, r.reaction, r.EI})
            line.E(12, 3, v);
        line.WriteTo(report);
    }
}

}  // namespace keldra
