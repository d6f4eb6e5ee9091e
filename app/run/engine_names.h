// What the engine is handed in NAMES.dat for one run in its run folder.
//
// The engine takes the first 255 characters of each line, drops trailing
// blanks and tabs, and a line break in a name would end its line early: a
// project path that does not pass unchanged is not named but copied into
// the run folder. The engine writes its outputs inside the run folder under
// short names relative to it; the project's own name up to its last dot
// when that passes unchanged, so the report names the files as the user
// knows them.
#pragma once

#include <cstddef>
#include <string>

#include "app/run/project_outputs.h"

namespace keldra::run {

inline constexpr const char* kNamesFile = "NAMES.dat";
// The longest name the engine reads from a line of the names file.
inline constexpr std::size_t kEngineNameLength = 255;

struct EngineNames {
    std::string project;  // the project's absolute path, or the name of its copy
    bool copy_project = false;
    std::string report, plot, notes;  // inside the run folder
};

[[nodiscard]] EngineNames EngineNamesFor(const ProjectOutputs& files);

// The five lines of NAMES.dat.
[[nodiscard]] std::string NamesFileText(const EngineNames& names);

}  // namespace keldra::run
