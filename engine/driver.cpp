#include "engine/driver.h"

#include <cstdio>
#include <cstring>

#include "engine/fixed_line.h"
#include "engine/free_format.h"
#include "engine/input_control.h"
#include "engine/input_earth_pressure.h"
#include "engine/input_grid.h"
#include "engine/input_moment_ei.h"
#include "engine/input_py_curves.h"
#include "engine/input_py_modification.h"
#include "engine/input_specified.h"
#include "engine/input_stiffness_loads.h"
#include "engine/names_file.h"
#include "engine/plot_data.h"
#include "engine/report_preamble.h"
#include "engine/run_stop.h"
#include "engine/solver.h"
#include "engine/unit_system.h"

namespace keldra {

namespace {

constexpr int kShortTermCode = 9;  // continuation code: a long-term problem follows
constexpr int kEndLineWidth = 49;

// Unit labels: English and SI set their own, any other system keeps the
// previous problem's labels (the generic F and L ones in a first problem).
void SetProblemUnits(EngineState& s) {
    if (s.control.KUNIT == kEnglishUnits) SetUnitLabels(s.labels, 1);
    if (s.control.KUNIT == kSIUnits) SetUnitLabels(s.labels, -1);
    s.GAMW = UnitWeightOfWater(s.control.KUNIT);
}

Step ReadInputGroups(EngineState& s, FreeFormatReader& in) {
    EchoControl(s);
    for (auto group :
         {ReadGrid, ReadSpecified, ReadStiffnessAndLoads, ReadPyModification, ReadEarthPressure}) {
        if (group(s, in) == Step::kStop) return Step::kStop;
    }
    if (CheckBeyondTip(s) == Step::kStop) return Step::kStop;
    if (ReadPyCurves(s, in) == Step::kStop) return Step::kStop;
    return ReadMomentEI(s, in);
}

// One problem, from its title to its continuation code.
Step RunProblem(EngineState& s, FreeFormatReader& in) {
    if (ReadTitle(s, in) == Step::kStop) return Step::kStop;
    RunRecord& run = s.run;
    ++run.NPROB;
    if (run.NPROB == 1) std::memcpy(run.TITLE1, run.TITLE, sizeof run.TITLE1);
    run.KCONT = 0;
    s.ITMAX = 100;
    if (ReadControl(s, in) == Step::kStop) return Step::kStop;
    if (run.NPROB > 1) {
        WriteEmptyLine(s.files.report);
        WriteEmptyLine(s.files.report);
    }
    WritePreamble(s);
    SetProblemUnits(s);
    if (ReadInputGroups(s, in) == Step::kStop) return Step::kStop;
    if (Solve(s) == Step::kStop) return Step::kStop;
    return ReadContinuation(s, in);
}

void ProblemLoop(EngineState& s, FreeFormatReader& in) {
    for (;;) {
        if (RunProblem(s, in) == Step::kStop || s.run.KCONT == 0) return;
        const int NSTG = s.control.NSTG;
        s.run.NBLK = s.run.KCONT == kShortTermCode ? 2 : NSTG > 1 ? NSTG : 1;
        WritePlotTrailer(s);
    }
}

void CloseInput(std::FILE*& file) {
    if (file != nullptr) std::fclose(file);
    file = nullptr;
}

// The orderly end of every run that opened its report.
RunOutputs EndRun(EngineState& s) {
    RunFiles& f = s.files;
    for (int k = 0; k < 3; ++k) WriteEmptyLine(f.report);
    FixedLine line;
    line.Text("     END OF ANALYSIS");
    line.X(kEndLineWidth - static_cast<int>(line.View().size()));
    line.WriteTo(f.report);
    WritePlotTrailer(s);
    const bool report = f.report.Close();
    CloseInput(f.data);
    const bool plot = f.plot.Close();
    CloseInput(f.names);
    const bool notes = f.notes.Close();
    return report && plot && notes ? RunOutputs::kComplete : RunOutputs::kIncomplete;
}

}  // namespace

RunOutputs Run(EngineState& s) {
    if (!ReadNamesFile(s)) return RunOutputs::kComplete;
    RunFiles& f = s.files;
    const RunRecord& run = s.run;
    f.data = std::fopen(run.paths[0], "r");
    if (!f.report.Open(run.paths[1])) {
        std::fprintf(stderr, " CANNOT CREATE THE REPORT FILE %s\n", run.paths[1]);
        CloseInput(f.data);
        return RunOutputs::kIncomplete;
    }
    const bool plot_open = f.plot.Open(run.paths[2]);
    const bool notes_open = f.notes.Open(run.paths[3]);
    s.run.NPROB = 0;
    s.run.NBLK = 1;
    s.results.NRES = 0;          // no result rows before the run's first analysis
    SetUnitLabels(s.labels, 0);  // generic F and L until a problem names its units
    if (f.data == nullptr) {
        (void)StopRun(s, "     ERROR -- CANNOT OPEN THE INPUT DATA FILE");
        FixedLine().X(5).Text(run.paths[0]).WriteTo(f.report);
    } else if (!plot_open || !notes_open) {
        (void)StopRun(s, "     ERROR -- CANNOT CREATE THE PLOT-DATA OR RUN-NOTES FILE");
    } else {
        FreeFormatReader in(f.data, "THE INPUT DATA FILE");
        ProblemLoop(s, in);
    }
    return EndRun(s);
}

}  // namespace keldra
