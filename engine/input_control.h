// The records that frame a problem: the title (A1), the control record (A2)
// with its echo, and the continuation code (A14) read after the solution.
#pragma once

#include "engine/free_format.h"
#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

// A1: the first 70 characters of the line become TITLE.
Step ReadTitle(EngineState& s, FreeFormatReader& in);

// A2: the ten control integers. Negative row counts are rejected.
Step ReadControl(EngineState& s, FreeFormatReader& in);

// The PROGRAM CONTROL PARAMETERS section, after the report preamble.
void EchoControl(EngineState& s);

// A14: KCONT on its own line; a code equal to NSTG counts as 0 (last stage).
Step ReadContinuation(EngineState& s, FreeFormatReader& in);

}  // namespace keldra
