// The runs of a study: every project of a list run by the engine, each in a
// private run folder, up to `jobs` at a time in engine workers that load the
// engine afresh for each run, as keldra-run runs them. Its outputs are
// published next to the project and read into a results summary.
#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/results/results_summary.h"

namespace keldra::studies {

struct StudyRun {
    std::filesystem::path project;
    bool ran = false;     // the entry completed and the outputs were published
    std::string failure;  // why it did not
    results::ResultsSummary summary;
};

struct StudyRunOptions {
    int jobs = 1;
    std::string library;  // the engine library loaded by each run
    // Checked between runs and while runs are in progress: once set, no run
    // starts and the running children are killed and reaped.
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(int done, int total)> progress;  // after each run that ended
    // Makes project `index` before its run, on a thread of its own while
    // earlier ones run (up to `jobs` ahead, so calls may overlap); returns
    // why it could not (that run then fails with it), or an empty text.
    std::function<std::string(std::size_t index)> prepare;
};

// The runs in the order of `projects`; a cancelled run has the failure
// kCancelled.
[[nodiscard]] std::vector<StudyRun> RunStudyProjects(
    const std::vector<std::filesystem::path>& projects, const StudyRunOptions& options);

inline constexpr const char* kCancelled = "cancelled";

// Calls `write`; returns the message of the EInOutError it raised, or an
// empty text.
[[nodiscard]] std::string WrittenOrWhyNot(const std::function<void()>& write);

// Whether every problem of the run closed: converged and stopped on nothing.
[[nodiscard]] bool Closed(const StudyRun& run);

}  // namespace keldra::studies
