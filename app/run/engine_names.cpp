#include "app/run/engine_names.h"

#include <keldra/version.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace keldra::run {

namespace {

// Used when the project's own name does not pass unchanged.
constexpr const char* kFixedStem = "project";

// The files the engine itself makes in its current folder: a copy of the
// project must not take one of these names.
constexpr std::array<std::string_view, 4> kScratchFiles = {"NAMES.dat", "TORVAL.001", "SOILDATA",
                                                           "debug.dat"};

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// A name the engine reads back unchanged from a line of the names file.
bool PassesUnchanged(std::string_view name) {
    return name.size() <= kEngineNameLength && std::none_of(name.begin(), name.end(), IsControl) &&
           (name.empty() || name.back() != ' ');
}

// A short name that the engine's report shows as one file name: it takes a
// second character ":" for a drive and a backslash for a separator.
bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name.size() + 5 <= kEngineNameLength && PassesUnchanged(name) &&
           name.find('\\') == std::string_view::npos && !(name.size() >= 2 && name[1] == ':');
}

}  // namespace

EngineNames EngineNamesFor(const ProjectOutputs& files) {
    EngineNames names;
    const std::string stem = StemOf(files.project);
    const std::string short_stem = IsPlainFileName(stem) ? stem : kFixedStem;
    names.report = short_stem + ".kd5o";
    names.plot = short_stem + ".kd5p";
    names.notes = short_stem + ".kd5r";

    const std::string path = files.project.string();
    if (PassesUnchanged(path)) {
        names.project = path;
        return names;
    }
    const std::string file = files.project.filename().string();
    const bool scratch =
        std::find(kScratchFiles.begin(), kScratchFiles.end(), file) != kScratchFiles.end();
    names.project = IsPlainFileName(file) && !scratch ? file : short_stem + ".kd5d";
    names.copy_project = true;
    return names;
}

std::string NamesFileText(const EngineNames& names) {
    std::string text;
    for (const std::string& line :
         {std::string(keldra::kVersion), names.project, names.report, names.plot, names.notes})
        text += line + '\n';
    return text;
}

}  // namespace keldra::run
