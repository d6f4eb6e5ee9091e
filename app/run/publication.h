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

// Moves each output of the run folder into place next to the project, once
// all three are found whole in the run folder; across file systems each is
// first copied to a temporary file in the project's folder and renamed into
// place once all three are written, so that no output is ever half written
// under its real name. Returns why it could not; the caller then withdraws
// the outputs, those already in place with the older ones.
[[nodiscard]] std::string Publish(const std::filesystem::path& run_folder, const EngineNames& names,
                                  const ProjectOutputs& files);

// Removes the project's outputs that lie next to it and says so, or says
// which could not be removed.
[[nodiscard]] std::string Withdraw(const ProjectOutputs& files);

}  // namespace keldra::run
