// The engine's side of a run, in the process that makes it: the process's
// signals and output streams set for the engine, one call of the entry in a
// run folder with the library loaded for that call alone, and what the
// process tells its parent about how far the run came.
#pragma once

#include <signal.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace keldra::run {

// Where the engine's progress lines go: the standard error stream, or
// nowhere for a study of many runs.
enum class EngineOutput { kStandardError, kDiscarded };

// How far a run came, told to the parent through a pipe or socket.
enum class Stage : std::int32_t { kReturned, kNoRunFolder, kNoLibrary, kNoEntry, kNoOutput };
struct EngineReport {
    Stage stage = Stage::kReturned;
    std::int32_t result = 0;  // the entry's result when it returned
    std::int32_t last = 0;    // nonzero when the process ends after telling
};

// Takes `signal_mask` and the default handling of the signals a runner
// watches, and sets the engine's output aside; false when the output could
// not be set aside.
[[nodiscard]] bool PrepareEngineProcess(const sigset_t& signal_mask, EngineOutput output);

// Enters `folder`, loads `library`, calls its entry and unloads it again.
[[nodiscard]] EngineReport CallEngine(const std::filesystem::path& folder,
                                      const std::string& library);

// Empty when the entry completed, otherwise why the run has no results.
[[nodiscard]] std::string DescribeReport(const EngineReport& report);

// Reads a report from `fd`; false when the process ended without telling
// how far the run came.
[[nodiscard]] bool ReadReport(int fd, EngineReport& report);

// A process that ended before it told how far it came, as waitpid saw it.
[[nodiscard]] std::string DescribeEnd(int wait_status);

}  // namespace keldra::run
