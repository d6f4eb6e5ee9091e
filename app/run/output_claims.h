// The files the projects of one batch read and write, as the file system
// resolves them (symbolic links, ".."): a project must not run when an
// earlier one of the batch is the same project file or writes the same
// outputs, or the later run would overwrite the earlier one's results.
#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/run/project_outputs.h"

namespace keldra::run {

class OutputClaims {
  public:
    // Claims the project and its outputs for this batch. Returns why it
    // cannot, naming the earlier project that holds them; empty when claimed.
    [[nodiscard]] std::string Claim(const ProjectOutputs& files);

  private:
    // Each claimed project as it was given; the resolved project files and
    // outputs map to their place in it, so that a claim costs the same
    // however many came before.
    std::vector<std::filesystem::path> shown_;
    std::unordered_map<std::string, std::size_t> projects_, outputs_;
};

}  // namespace keldra::run
