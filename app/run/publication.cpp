#include "app/run/publication.h"

#include <sys/stat.h>
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

// Why the engine's output `name` cannot be published, or empty: it must be
// a regular file in the run folder.
std::string Unreadable(const fs::path& run_folder, const std::string& name) {
    struct stat info {};
    std::error_code error;
    if (::lstat((run_folder / name).c_str(), &info) != 0)
        error = {errno, std::generic_category()};
    else if (!S_ISREG(info.st_mode))
        error = std::make_error_code(std::errc::invalid_argument);
    if (!error) return {};
    return "the engine's output " + name +
           " could not be read in the run folder: " + error.message();
}

std::string NotInPlace(const fs::path& output, int error) {
    return "the output " + output.string() + " could not be put in place: " + std::strerror(error);
}

// Copies the outputs into temporary files in the project's folder, then
// renames those into place.
std::string CopyIntoPlace(const std::array<fs::path, 3>& written,
                          const std::array<fs::path, 3>& outputs) {
    const fs::path folder = outputs[0].parent_path();
    std::vector<fs::path> temporary;
    for (const fs::path& source : written) {
        std::string text;
        if (const std::error_code error = ReadWholeFile(source, text)) {
            RemoveAll(temporary);
            return "the engine's output " + source.filename().string() +
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
            const int why = errno;
            RemoveAll({temporary.begin() + static_cast<std::ptrdiff_t>(k), temporary.end()});
            return NotInPlace(outputs[k], why);
        }
    }
    return {};
}

}  // namespace

std::string Publish(const fs::path& run_folder, const EngineNames& names,
                    const ProjectOutputs& files) {
    const std::array<std::string, 3> names_written = {names.report, names.plot, names.notes};
    std::array<fs::path, 3> written;
    for (std::size_t k = 0; k < written.size(); ++k) {
        if (std::string error = Unreadable(run_folder, names_written[k]); !error.empty())
            return error;
        written[k] = run_folder / names_written[k];
    }
    // The run folder is private and each output whole once the engine
    // returned, so on the same file system the outputs are moved into place
    // as they are. When the first cannot be moved (another file system, a
    // folder that takes no new files) they are copied, which tells why.
    const auto outputs = files.outputs();
    for (std::size_t k = 0; k < outputs.size(); ++k) {
        if (::rename(written[k].c_str(), outputs[k].c_str()) == 0) continue;
        if (k == 0) return CopyIntoPlace(written, outputs);
        return NotInPlace(outputs[k], errno);
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
