// Whole engine runs for the tests: a temporary directory as the current
// directory, the project data file and NAMES.dat written there, the engine
// record reset to its load-time zero, and the three output files read back.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/driver.h"
#include "engine/state.h"
#include "tests/whole_files.h"

namespace keldra::testing {

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Lines joined with CR LF, as the desktop program writes project files.
inline std::string Crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

struct RunOutput {
    std::string report, plot, notes;
    RunOutputs outputs;
    std::vector<std::string> report_lines() const { return Lines(report); }
    std::vector<std::string> plot_lines() const { return Lines(plot); }
    std::vector<std::string> notes_lines() const { return Lines(notes); }
};

class EngineRun {
  public:
    EngineRun() {
        std::string pattern = (ScratchRoot() / "keldra-test-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
    }
    ~EngineRun() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    EngineRun(const EngineRun&) = delete;
    EngineRun& operator=(const EngineRun&) = delete;

    const std::filesystem::path& dir() const { return dir_; }

    // Writes the names file for wall.kd5d and its outputs.
    void WriteNames(int lines = 5) const {
        const std::string names[] = {"2015.5.6", (dir_ / "wall.kd5d").string(),
                                     (dir_ / "wall.kd5o").string(), (dir_ / "wall.kd5p").string(),
                                     (dir_ / "wall.kd5r").string()};
        std::string text;
        for (int k = 0; k < lines; ++k) text += names[k] + "\n";
        WriteFile(dir_ / "NAMES.dat", text);
    }

    // Runs the engine in the directory from the zero state.
    RunOutput RunInDirectory() const {
        const auto cwd = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        ResetEngine();
        const RunOutputs outputs = keldra::Run(Engine());
        std::filesystem::current_path(cwd);
        return {ReadFile(dir_ / "wall.kd5o"), ReadFile(dir_ / "wall.kd5p"),
                ReadFile(dir_ / "wall.kd5r"), outputs};
    }

    RunOutput Run(const std::string& project) const {
        WriteFile(dir_ / "wall.kd5d", project);
        WriteNames();
        return RunInDirectory();
    }

  private:
    // $TMPDIR when it is set; otherwise memory-backed when the machine has
    // it, as the tests run thousands of runs.
    static std::filesystem::path ScratchRoot() {
        const char* tmpdir = std::getenv("TMPDIR");
        if (tmpdir != nullptr && *tmpdir != '\0') return tmpdir;
        if (std::filesystem::is_directory("/dev/shm")) return "/dev/shm";
        return std::filesystem::temp_directory_path();
    }

    std::filesystem::path dir_;
};

// The report with the two lines that depend on where and when the run
// happened replaced by fixed text; every other byte stays as written.
inline std::string MaskedReport(const std::string& report) {
    static constexpr std::pair<std::string_view, std::string_view> kMasks[] = {
        {"     Path to file locations      : ", "(the project folder)"},
        {"               Date:  ", "(the date and time of the run)"},
    };
    std::string masked;
    std::size_t start = 0;
    while (start < report.size()) {
        std::size_t end = report.find('\n', start);
        end = end == std::string::npos ? report.size() : end;
        std::string_view line(report.data() + start, end - start);
        for (const auto& [prefix, replacement] : kMasks) {
            if (line.starts_with(prefix)) {
                masked.append(prefix).append(replacement);
                line = {};
                break;
            }
        }
        masked.append(line);
        if (end < report.size()) masked += '\n';
        start = end + 1;
    }
    return masked;
}

// The report's lines from the first line that starts with `prefix` on.
inline std::vector<std::string> LinesFrom(const std::vector<std::string>& lines,
                                          const std::string& prefix) {
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (lines[k].rfind(prefix, 0) == 0) return {lines.begin() + k, lines.end()};
    }
    return {};
}

}  // namespace keldra::testing
