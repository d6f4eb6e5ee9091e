#include "app/run/publication.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include "app/run/checked_files.h"

namespace keldra::run {

namespace fs = std::filesystem;

namespace {

void RemoveAll(const std::vector<fs::path>& files) {
    for (const fs::path& file : files) ::unlink(file.c_str());
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

}  // namespace

std::string Publish(const fs::path& run_folder, const EngineNames& names,
                    const ProjectOutputs& files) {
    const std::array<std::string, 3> written = {names.report, names.plot, names.notes};
    const auto outputs = files.outputs();
    const fs::path folder = files.project.parent_path();
    std::vector<fs::path> temporary;
    for (std::size_t k = 0; k < written.size(); ++k) {
        std::string text;
        if (const std::error_code error = ReadWholeFile(run_folder / written[k], text)) {
            RemoveAll(temporary);
            return "the engine's output " + written[k] +
                   " could not be read in the run folder: " + error.message();
        }
        fs::path created;
        if (const std::error_code error = WriteTemporaryFile(folder, text, created)) {
            RemoveAll(temporary);
            return "the outputs could not be written in " + folder.string() + ": " +
                   error.message();
        }
        temporary.push_back(created);
    }
    for (std::size_t k = 0; k < outputs.size(); ++k) {
        if (::rename(temporary[k].c_str(), outputs[k].c_str()) != 0) {
            const std::string why = std::strerror(errno);
            RemoveAll({temporary.begin() + static_cast<std::ptrdiff_t>(k), temporary.end()});
            return "the output " + outputs[k].string() + " could not be put in place: " + why;
        }
    }
    return {};
}

std::string Withdraw(const ProjectOutputs& files) {
    std::vector<std::string> removed, kept;
    std::string why;
    for (const fs::path& output : files.outputs()) {
        // unlink takes away a file or a symbolic link, never a folder in the output's place.
        if (::unlink(output.c_str()) == 0) {
            removed.push_back(output.filename().string());
        } else if (errno != ENOENT) {
            why = std::strerror(errno);
            kept.push_back(output.filename().string());
        }
    }
    std::string text = "no outputs were published";
    if (!removed.empty())
        text +=
            "; the older outputs of this project were removed, as they came from other input: " +
            Joined(removed);
    if (!kept.empty())
        text += "; the older outputs " + Joined(kept) + " could not be removed (" + why +
                ") and do not belong to this run";
    return text;
}

}  // namespace keldra::run
