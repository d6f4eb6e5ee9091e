#include "engine/input_control.h"

#include <cstring>

#include "engine/fixed_line.h"
#include "engine/report_blocks.h"
#include "engine/run_stop.h"

namespace keldra {

Step ReadTitle(EngineState& s, FreeFormatReader& in) {
    if (!in.ReadLine(s.run.TITLE, kTitleLength)) return StopOnReadFailure(s, in);
    return Step::kContinue;
}

Step ReadControl(EngineState& s, FreeFormatReader& in) {
    ControlRecord& c = s.control;
    if (!in.Read(c.KUNIT, c.NDS, c.NSL, c.NPYMOD, c.KOUTPT, c.KPYOP, c.NUPY, c.NSTG, c.NMEI,
                 c.NTIE)) {
        return StopOnReadFailure(s, in);
    }
    if (c.NDS < 0 || c.NSL < 0 || c.NPYMOD < 0 || c.NUPY < 0 || c.NMEI < 0 || c.NTIE < 0) {
        return StopRun(s, kNegativeCount);
    }
    return Step::kContinue;
}

void EchoControl(EngineState& s) {
    const ControlRecord& c = s.control;
    OutputFile& report = s.files.report;
    WriteBoxedTitle(report, "*        PROGRAM CONTROL PARAMETERS              *");
    WriteEmptyLine(report);
    struct Line {
        const char* label;
        int value;
    };
    const Line lines[] = {
        {"NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  = ", c.NDS},
        {"NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      = ", c.NSL},
        {"GENERATE EARTH PRESSURE INTERNALLY                 = ", c.KOUTPT >= 2 ? 1 : 0},
        {"GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY   = ", c.KPYOP == 2 ? 1 : 0},
        {"NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES = ", c.NPYMOD},
        {"NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  = ", c.NUPY},
    };
    for (const Line& line : lines)
        FixedLine().X(6).Text(line.label).I(2, line.value).WriteTo(report);
}

Step ReadContinuation(EngineState& s, FreeFormatReader& in) {
    if (!in.Read(s.run.KCONT)) return StopOnReadFailure(s, in);
    if (s.run.KCONT == s.control.NSTG) s.run.KCONT = 0;
    return Step::kContinue;
}

}  // namespace keldra
