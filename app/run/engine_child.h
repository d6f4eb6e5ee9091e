// One engine run in a child process: the child enters the run's private
// folder and loads the engine library afresh, so every run starts from the
// engine's zero state and parallel runs never share a file.
#pragma once

#include <signal.h>
#include <sys/types.h>

#include <filesystem>
#include <string>

#include "app/run/engine_call.h"

namespace keldra::run {

// libKeldraEngine.so in the folder of the running program.
[[nodiscard]] std::string EngineLibraryPath();

struct EngineChild {
    pid_t pid = -1;
    int report_pipe = -1;  // read end: how far the child came, and the entry's result
    std::string error;     // why the child could not be started
};

// Forks the child that calls the engine's entry in `folder`. The child
// takes `signal_mask` as its own and the default handling of every signal.
[[nodiscard]] EngineChild StartEngineChild(const std::filesystem::path& folder,
                                           const std::string& library, const sigset_t& signal_mask,
                                           EngineOutput output = EngineOutput::kStandardError);

// After waitpid: empty when the entry completed, otherwise what ended the
// run, as it happened. Closes the child's pipe.
[[nodiscard]] std::string FinishEngineChild(EngineChild& child, int wait_status);

}  // namespace keldra::run
