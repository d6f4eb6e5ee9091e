// The files the projects of one batch read and write, as the file system
// resolves them (symbolic links, ".."): a project must not run when an
// earlier one of the batch is the same project file or writes the same
// outputs, or the later run would overwrite the earlier one's results.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "app/run/project_outputs.h"

namespace keldra::run {

class OutputClaims {
  public:
    // Claims the project and its outputs for this batch. Returns why it
    // cannot, naming the earlier project that holds them; empty when claimed.
    [[nodiscard]] std::string Claim(const ProjectOutputs& files);

  private:
    struct Claimed {
        std::filesystem::path shown;  // the earlier project as it was given
        std::filesystem::path project;
        std::array<std::filesystem::path, 3> outputs;
    };
    std::vector<Claimed> claimed_;
};

}  // namespace keldra::run
