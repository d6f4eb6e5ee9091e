// A run's outputs are the outputs of that run, or none: the outputs of a
// completed run are brought from the run folder next to the project, and
// after a failed run the older outputs there are taken away, since they came
// from other input.
#pragma once

#include <filesystem>
#include <string>

#include "app/run/engine_names.h"
#include "app/run/project_outputs.h"

namespace keldra::run {

// Copies each output of the run folder to a temporary file in the project's
// folder and, once all three are written, renames them into place, so that
// no output is ever half written under its real name. Returns why it could
// not; the caller then withdraws the outputs, those already renamed with
// the older ones.
[[nodiscard]] std::string Publish(const std::filesystem::path& run_folder, const EngineNames& names,
                                  const ProjectOutputs& files);

// Removes the project's outputs that lie next to it and says so, or says
// which could not be removed.
[[nodiscard]] std::string Withdraw(const ProjectOutputs& files);

}  // namespace keldra::run
