// The one exported entry of libKeldraEngine.so.
//
// IKELDRA(6) performs one run: it reads NAMES.dat from the current directory
// (version, project data file, report, plot-data file, run notes), analyses
// every problem of the project data file and writes the three output files.
// Scratch files TORVAL.001, SOILDATA and debug.dat are left in the current
// directory. Any argument other than 6 returns 1 at once without touching a
// file. A run returns 0 when its three output files were written completely,
// also when it ended early on an input error (the report then says why); it
// returns 2 when an output file could not be created or any write or close of
// one failed (disk full, file size limit): its outputs are then incomplete and
// must not be read as results.
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

namespace keldra::entry {

// What callers that load the library look up and pass.
inline constexpr const char* kName = "IKELDRA";
inline constexpr const char* kAlias = "_IKELDRA";
inline constexpr std::int32_t kInterfaceVersion = 6;
using Function = std::int32_t (*)(std::int32_t);

// The entry's results.
inline constexpr std::int32_t kCompleted = 0;
inline constexpr std::int32_t kInconsistent = 1;      // not the interface this caller speaks
inline constexpr std::int32_t kOutputIncomplete = 2;  // an output file could not be written

}  // namespace keldra::entry
