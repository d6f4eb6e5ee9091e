#include "engine/run_notes.h"

#include "engine/fixed_line.h"

namespace keldra {

namespace {
constexpr int kMonitoredStations = 5;
}  // namespace

void WriteMonitorTitle(EngineState& s) {
    OutputFile& notes = s.files.notes;
    for (int k = 0; k < 3; ++k) WriteEmptyLine(notes);
    FixedLine().Text("     ITERATION MONITOR DATA").WriteTo(notes);
    FixedLine().Text("     ----------------------").WriteTo(notes);
}

void WriteMonitorLine(EngineState& s, int iteration, bool off_curve, int not_closed) {
    FixedLine line;
    line.X(3).I(4, iteration).X(7);
    if (off_curve) {
        line.Text("YES").X(6);
    } else {
        line.Text("NO").X(7);
    }
    line.I(4, not_closed).X(2);
    // Stations past the tip of a short wall have no deflection of this problem.
    for (int i = 1; i <= kMonitoredStations; ++i) {
        line.E(10, 3, i <= s.grid.NINC ? s.sta.W[i + kStationOffset] : 0.0);
    }
    line.WriteTo(s.files.notes);
}

}  // namespace keldra
