// A project data file and the three outputs of its runs, which lie next to
// it under its name up to the last dot: the report (.kd5o), the plot data
// (.kd5p) and the run notes (.kd5r).
#pragma once

#include <array>
#include <filesystem>
#include <string>

namespace keldra::run {

struct ProjectOutputs {
    std::filesystem::path project;  // absolute, lexically normal
    std::filesystem::path report, plot, notes;

    [[nodiscard]] std::array<std::filesystem::path, 3> outputs() const {
        return {report, plot, notes};
    }
};

[[nodiscard]] ProjectOutputs OutputsOf(const std::filesystem::path& project);

// The project's file name up to its last dot: "wall" for wall.kd5d, the
// empty name for .kd5p.
[[nodiscard]] std::string StemOf(const std::filesystem::path& project);

// The file names of the outputs, "wall.kd5o, wall.kd5p, wall.kd5r".
[[nodiscard]] std::string OutputNames(const ProjectOutputs& files);

// Why a run would overwrite the project file with one of its own outputs (a
// project named wall.kd5o or .kd5p); empty when it would not.
[[nodiscard]] std::string SelfOverwrite(const ProjectOutputs& files);

}  // namespace keldra::run
