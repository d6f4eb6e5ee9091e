// NAMES.dat, written into the current directory by the caller: the program
// version, then the paths of the project data file, the report, the
// plot-data file and the run notes, one a line.
#pragma once

#include "engine/state.h"

namespace keldra {

inline constexpr const char* kNamesFile = "NAMES.dat";

// Reads the five lines into s.run (version padded to 12 characters, paths
// without trailing blanks). Writes the engine's two-line message to the
// standard error stream and returns false when the file is missing or ends
// before its fifth line.
[[nodiscard]] bool ReadNamesFile(EngineState& s);

}  // namespace keldra
