// The one exported entry of libKeldraEngine.so.
//
// IKELDRA(6) performs one run: it reads NAMES.dat from the current directory
// (version, project data file, report, plot-data file, run notes), analyses
// every problem of the project data file and writes the three output files.
// Scratch files TORVAL.001, SOILDATA and debug.dat are left in the current
// directory. Any argument other than 6 returns 1 at once without touching a
// file; a run returns 0, also when it ended early on an input error (the
// report then says why).
//
// Calls must not overlap: the engine keeps its state in one static record and
// uses fixed scratch-file names. Load the library afresh for each run to
// start from the zero state.
#pragma once

#include <cstdint>

#if defined(KELDRA_ENGINE_BUILD)
#define KELDRA_EXPORT __attribute__((visibility("default")))
#else
#define KELDRA_EXPORT
#endif

extern "C" {
KELDRA_EXPORT std::int32_t IKELDRA(std::int32_t interface_version);
KELDRA_EXPORT std::int32_t _IKELDRA(std::int32_t interface_version);
}
