// keldra-run [--jobs N] [--keep-scratch] PROJECT.kd5d...
//
// Runs the engine on each project, in up to N child processes at a time, and
// prints per problem the label, iterations, whether the solution closed, the
// report's warnings and the largest deflection, moment and shear. The report,
// plot data and run notes are written next to each project.
//
// Exit status: 0 every problem of every project analysed and closed; 1 a run
// stopped on an input error or did not close; 2 usage or file errors.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "cli/engine_child.h"
#include "cli/report_summary.h"

namespace {

namespace fs = std::filesystem;
using namespace keldra::cli;

constexpr int kAllClosed = 0;
constexpr int kNotAnalysed = 1;
constexpr int kUsageOrFiles = 2;

struct Options {
    int jobs = 1;
    bool keep_scratch = false;
    std::vector<std::string> projects;
};

void PrintUsage() {
    std::fputs("usage: keldra-run [--jobs N] [--keep-scratch] PROJECT.kd5d...\n", stderr);
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--keep-scratch") {
            options.keep_scratch = true;
        } else if (arg == "--jobs" && k + 1 < argc) {
            char* end = nullptr;
            const long jobs = std::strtol(argv[++k], &end, 10);
            if (*end != '\0' || jobs < 1 || jobs > 64) return false;
            options.jobs = static_cast<int>(jobs);
        } else if (arg == "--help" || arg == "-h" || (arg.size() > 1 && arg[0] == '-')) {
            return false;
        } else {
            options.projects.push_back(arg);
        }
    }
    return !options.projects.empty();
}

struct Job {
    ProjectFiles files;
    EngineRun run;
    std::string failure;  // the run could not be made or the engine failed
    int status = kAllClosed;
};

std::string Value(const Extreme& e, const std::string& unit, const std::string& length) {
    char text[120];
    std::snprintf(text, sizeof text, "%10.3E %-9s at depth %9.3E %s", e.value, unit.c_str(),
                  e.depth, length.c_str());
    return text;
}

// Prints what the run left and returns the project's exit status.
int Report(const Job& job) {
    std::printf("%s\n", job.files.project.c_str());
    if (!job.failure.empty()) {
        std::printf("  error: %s\n", job.failure.c_str());
        return job.status;
    }
    std::ifstream in(job.files.report);
    if (!in) {
        std::printf("  error: no report was written (%s)\n", job.files.report.c_str());
        return kNotAnalysed;
    }
    const RunSummary summary = SummariseReport(in);
    int status = kAllClosed;
    for (const ProblemSummary& p : summary.problems) {
        std::printf("  %s: %d iterations, %s\n", p.label.c_str(), p.iterations,
                    p.closed ? "converged" : "NOT converged");
        for (const std::string& w : p.warnings) std::printf("    %s\n", w.c_str());
        const UnitNames& u = summary.units;
        std::printf("    max |deflection| %s\n", Value(p.deflection, u.length, u.length).c_str());
        std::printf("    max |moment|     %s\n", Value(p.moment, u.moment, u.length).c_str());
        std::printf("    max |shear|      %s\n", Value(p.shear, u.force, u.length).c_str());
        if (!p.closed) status = kNotAnalysed;
    }
    if (!summary.stop.empty()) {
        std::printf("  run stopped:\n");
        for (const std::string& line : summary.stop) std::printf("    %s\n", line.c_str());
        status = kNotAnalysed;
    }
    std::printf("  report    %s\n  plot data %s\n  run notes %s\n", job.files.report.c_str(),
                job.files.plot.c_str(), job.files.notes.c_str());
    return status;
}

bool CheckProject(Job& job) {
    std::ifstream probe(job.files.project);
    if (fs::is_regular_file(job.files.project) && probe) return true;
    job.failure =
        fs::exists(job.files.project) ? "cannot read the project file" : "no such project file";
    job.status = kUsageOrFiles;
    return false;
}

void Finish(Job& job, int wait_status, bool keep_scratch) {
    const std::string exit = DescribeExit(wait_status);
    if (!exit.empty()) {
        job.failure = exit;
        job.status = kNotAnalysed;
    }
    if (keep_scratch) {
        std::fprintf(stderr, "keldra-run: scratch files of %s kept in %s\n",
                     job.files.project.c_str(), job.run.scratch.c_str());
    } else if (!job.run.scratch.empty()) {
        std::error_code ignored;
        fs::remove_all(job.run.scratch, ignored);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        PrintUsage();
        return kUsageOrFiles;
    }
    const std::string library = EngineLibraryPath();
    if (!fs::exists(library)) {
        std::fprintf(stderr, "keldra-run: %s not found\n", library.c_str());
        return kUsageOrFiles;
    }
    std::vector<Job> jobs;
    for (const std::string& project : options.projects)
        jobs.push_back({FilesFor(project), {}, {}, kAllClosed});

    std::map<pid_t, std::size_t> running;
    auto wait_one = [&] {
        int wait_status = 0;
        const pid_t pid = wait(&wait_status);
        if (pid <= 0) return;
        const auto it = running.find(pid);
        if (it == running.end()) return;
        Finish(jobs[it->second], wait_status, options.keep_scratch);
        running.erase(it);
    };
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        Job& job = jobs[k];
        if (!CheckProject(job)) continue;
        while (static_cast<int>(running.size()) >= options.jobs) wait_one();
        job.run = StartEngineRun(job.files, library);
        if (!job.run.error.empty()) {
            job.failure = job.run.error;
            job.status = kUsageOrFiles;
            std::error_code ignored;
            if (!job.run.scratch.empty()) fs::remove_all(job.run.scratch, ignored);
            continue;
        }
        running[job.run.pid] = k;
    }
    while (!running.empty()) wait_one();

    int status = kAllClosed;
    for (const Job& job : jobs) {
        const int project_status = Report(job);
        if (project_status > status) status = project_status;
    }
    return status;
}
