// One engine run in a child process: a private scratch directory holds the
// names file and the engine's scratch files, so parallel runs never collide,
// and the child loads the engine library afresh, so every run starts from
// the engine's zero state.
#pragma once

#include <sys/types.h>

#include <string>

namespace keldra::cli {

struct ProjectFiles {
    std::string project;              // absolute path of the .kd5d
    std::string report, plot, notes;  // next to it: .kd5o, .kd5p, .kd5r
};

// The output files that belong to `project` (made absolute).
[[nodiscard]] ProjectFiles FilesFor(const std::string& project);

// libKeldraEngine.so in the folder of the running program.
[[nodiscard]] std::string EngineLibraryPath();

struct EngineRun {
    pid_t pid = -1;
    std::string scratch;  // the child's working directory
    std::string error;    // why the run could not be started
};

// Creates the scratch directory with NAMES.dat and forks the child that calls
// IKELDRA(6) there.
[[nodiscard]] EngineRun StartEngineRun(const ProjectFiles& files, const std::string& library);

// The child's outcome after waitpid: empty when the entry returned 0.
[[nodiscard]] std::string DescribeExit(int wait_status);

}  // namespace keldra::cli
