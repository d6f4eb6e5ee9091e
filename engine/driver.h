// The run: the names file, the files of the run, the problem loop (one
// problem per construction stage, or a short-term and a long-term problem)
// and the orderly end that every run reaches, also after an input error.
#pragma once

#include "engine/state.h"

namespace keldra {

// Whether the report, the plot data and the run notes were written whole:
// each opened, every write and its close succeeded. A run that stopped on an
// input error has complete outputs; its report says why it stopped.
enum class [[nodiscard]] RunOutputs{kComplete, kIncomplete};

// One whole run in the current directory. Without a complete names file
// nothing is written, and there is nothing incomplete either.
RunOutputs Run(EngineState& s);

}  // namespace keldra
