#include "app/run/project_outputs.h"

namespace keldra::run {

namespace fs = std::filesystem;

std::string StemOf(const fs::path& project) {
    const std::string name = project.filename().string();
    return name.substr(0, name.rfind('.'));
}

ProjectOutputs OutputsOf(const fs::path& project) {
    std::error_code error;
    fs::path path = fs::absolute(project, error);
    if (error) path = project;
    path = path.lexically_normal();
    const std::string stem = StemOf(path);
    const fs::path folder = path.parent_path();
    return {path, folder / (stem + ".kd5o"), folder / (stem + ".kd5p"), folder / (stem + ".kd5r")};
}

std::string OutputNames(const ProjectOutputs& files) {
    std::string names;
    for (const fs::path& output : files.outputs())
        names += (names.empty() ? "" : ", ") + output.filename().string();
    return names;
}

std::string SelfOverwrite(const ProjectOutputs& files) {
    for (const fs::path& output : files.outputs()) {
        if (output == files.project)
            return "the project file would be overwritten by its own outputs (" +
                   OutputNames(files) + "): give it another extension, such as .kd5d";
    }
    return {};
}

}  // namespace keldra::run
