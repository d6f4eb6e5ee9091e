// The report preamble written at the start of every problem: banner, file
// lines, time and date of the analysis, stage header.
#pragma once

#include "engine/state.h"

namespace keldra {

void WritePreamble(EngineState& s);

// An empty line and the problem's heading: "Stage No :" with the first title
// in a staged run, the title in the first problem, "Long Term :" with the
// first title in a later problem.
void WriteStageHeader(EngineState& s);

}  // namespace keldra
