// The run: the names file, the files of the run, the problem loop (one
// problem per construction stage, or a short-term and a long-term problem)
// and the orderly end that every run reaches, also after an input error.
#pragma once

#include "engine/state.h"

namespace keldra {

// One whole run in the current directory.
void Run(EngineState& s);

}  // namespace keldra
