// One run of the engine on a project in a private run folder, from the
// names file to the outputs next to the project.
//
// The folder holds NAMES.dat, the engine's scratch files and the three
// outputs under short names (see engine_names.h). Only a run whose entry
// completed has its outputs published next to the project; after any other
// end nothing is published and the project's older outputs are withdrawn.
// The folder is removed with the object unless it is kept.
#pragma once

#include <filesystem>
#include <string>

#include "app/run/engine_names.h"
#include "app/run/project_outputs.h"
#include "app/run/run_folder.h"

namespace keldra::run {

struct RunConclusion {
    bool published = false;
    std::string failure;     // why the run has no outputs; empty when published
    std::string withdrawal;  // what became of the older outputs next to the project
};

class PreparedRun {
  public:
    // Refuses a project that its own outputs would overwrite; otherwise
    // makes the run folder under `base` with the names file and, when the
    // project's path cannot be handed to the engine, a copy of the project.
    PreparedRun(ProjectOutputs files, const std::filesystem::path& base);

    [[nodiscard]] bool ready() const { return error_.empty(); }
    // Why the run cannot start.
    [[nodiscard]] const std::string& error() const { return error_; }
    [[nodiscard]] const std::filesystem::path& folder() const { return folder_.path(); }

    // After the engine: `failure` is empty when its entry completed. Then the
    // outputs are published; otherwise, or when publishing fails, the older
    // outputs are withdrawn.
    [[nodiscard]] RunConclusion Conclude(const std::string& failure);

    void KeepFolder() { folder_.Keep(); }

  private:
    [[nodiscard]] std::string Prepare(const std::filesystem::path& base);

    ProjectOutputs files_;
    EngineNames names_;
    RunFolder folder_;
    std::string error_;
};

}  // namespace keldra::run
