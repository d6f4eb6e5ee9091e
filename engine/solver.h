// The beam-column solver: the wall as a five-term difference equation per
// station, solved by a two-term recursion W(J) = AA W(J+2) + BB W(J+1) + CC
// (forward elimination, back substitution), repeated with the soil springs
// and EI of the current deflections until no station moves by more than TOL.
//
// The difference equation at index J (h = H), from EI (F), the axial load
// (P = -axial), the rotational spring R, the couple T and the lateral load
// and spring with the soil (QS, SS):
//   a W(J-2) + b W(J-1) + c W(J) + d W(J+1) + e W(J+2) = f
#pragma once

#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

struct SolveOutcome {
    int ITER;   // iterations run
    bool KOFF;  // a deflection of the last iteration left its p-y curve
    int NMX;    // stations beyond WMAX in the last iteration
    int NNC;    // stations not closed in the last iteration
    // Deflections, moments, shears and soil reactions are finite numbers. A
    // NaN passes every closure comparison, so a solution without this has
    // not closed whatever NNC says.
    bool finite;
};

// Iterates to closure, then writes the results section and keeps the result
// rows. Writes the stage header again and the run-notes lines.
Step Solve(EngineState& s);

// The iterations alone (no output besides the run notes).
Step Iterate(EngineState& s, SolveOutcome& outcome);

}  // namespace keldra
