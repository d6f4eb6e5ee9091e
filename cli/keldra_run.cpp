// keldra-run [--jobs N] [--keep-scratch] PROJECT.kd5d...
//
// The headless runner: the engine on each project in a child process of its
// own, and a summary per problem. What it does and its exit status are told
// by its help text below, which is also its manual page.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/run/output_claims.h"
#include "app/run/prepared_run.h"
#include "app/run/project_outputs.h"
#include "app/run/report_summary.h"
#include "app/run/run_folder.h"
#include "cli/engine_child.h"

namespace {

namespace fs = std::filesystem;
using namespace keldra::cli;
using namespace keldra::run;

constexpr int kAllClosed = 0;
constexpr int kNotAnalysed = 1;
constexpr int kUsageOrFiles = 2;

struct Options {
    int jobs = 1;
    bool keep_scratch = false;
    std::vector<std::string> projects;
};

constexpr const char* kUsage = "Usage: keldra-run [--jobs N] [--keep-scratch] PROJECT.kd5d...\n";

constexpr const char* kHelp =
    "Runs the engine on each project and prints, per problem, its label, the iterations,\n"
    "whether the solution closed, the report's warning lines and the largest deflection,\n"
    "bending moment and shear with their depths. Each run works in a private run folder\n"
    "under $TMPDIR (or /tmp); the report (.kd5o), plot data (.kd5p) and run notes (.kd5r)\n"
    "of a completed run are then put next to the project. A run that fails leaves no\n"
    "outputs there: the older ones are removed.\n"
    "\n"
    "Options:\n"
    "  --jobs N        run up to N projects at a time, each in a process of its own\n"
    "                  (1 to 64; 1 when not given)\n"
    "  --keep-scratch  keep the run folders with the names file and the scratch files,\n"
    "                  and say where they are\n"
    "  -h, --help      print this help and exit\n"
    "\n"
    "Exit status:\n"
    "  0        every problem of every project was analysed and closed\n"
    "  1        a run failed, stopped on an input error or did not close\n"
    "  2        a usage error, or a project that does not exist or cannot be read\n"
    "  128 + N  signal N (SIGINT or SIGTERM) stopped the batch\n";

void PrintHelp() { std::printf("%s\n%s", kUsage, kHelp); }

enum class Parsed { kRun, kHelp, kUsageError };

Parsed ParseOptions(int argc, char** argv, Options& options) {
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--help" || arg == "-h") return Parsed::kHelp;
        if (arg == "--keep-scratch") {
            options.keep_scratch = true;
        } else if (arg == "--jobs" && k + 1 < argc) {
            char* end = nullptr;
            const long jobs = std::strtol(argv[++k], &end, 10);
            if (*end != '\0' || jobs < 1 || jobs > 64) return Parsed::kUsageError;
            options.jobs = static_cast<int>(jobs);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Parsed::kUsageError;
        } else {
            options.projects.push_back(arg);
        }
    }
    return options.projects.empty() ? Parsed::kUsageError : Parsed::kRun;
}

struct Job {
    ProjectOutputs files;
    std::unique_ptr<PreparedRun> run;
    EngineChild child;
    std::string failure;     // the project could not run, or its run failed
    std::string withdrawal;  // what became of the older outputs after a failed run
    int status = kAllClosed;
};

// A project that cannot be run says why; the batch goes on with the others.
std::string CheckProject(const ProjectOutputs& files) {
    std::error_code error;
    const fs::file_status status = fs::status(files.project, error);
    if (status.type() == fs::file_type::not_found) return "no such project file";
    if (error) return "cannot read the project file: " + error.message();
    // A FIFO or a device would block or never end when opened.
    if (!fs::is_regular_file(status)) return "the project is not a regular file";
    if (::access(files.project.c_str(), R_OK) != 0)
        return std::string("cannot read the project file: ") + std::strerror(errno);
    return SelfOverwrite(files);
}

// The signals that stop a batch, and a child's end, are taken when the
// batch waits for them rather than by handlers. They stay blocked until the
// runner exits: a stop that comes after the last run has nothing to stop.
class Signals {
  public:
    Signals() {
        sigemptyset(&watched_);
        for (int signal : {SIGINT, SIGTERM, SIGCHLD}) sigaddset(&watched_, signal);
        // A blocked SIGCHLD must stay pending, which an ignored one need not.
        struct sigaction on_child {};
        on_child.sa_handler = [](int) {};
        sigaction(SIGCHLD, &on_child, nullptr);
        sigprocmask(SIG_BLOCK, &watched_, &previous_);
    }

    // The mask the children restore.
    [[nodiscard]] const sigset_t& previous() const { return previous_; }
    // Waits for a child's end or a stop; returns the stop signal or 0.
    [[nodiscard]] int Wait() const {
        const int signal = sigwaitinfo(&watched_, nullptr);
        return signal == SIGINT || signal == SIGTERM ? signal : 0;
    }

  private:
    sigset_t watched_{}, previous_{};
};

class Batch {
  public:
    Batch(const Options& options, std::string library)
        : options_(options), library_(std::move(library)) {}

    // Runs every job that may run; returns the signal that stopped the
    // batch, or 0.
    int Run(std::vector<Job>& jobs) {
        OutputClaims claims;
        const fs::path base = TemporaryBase();
        for (Job& job : jobs) {
            job.failure = CheckProject(job.files);
            if (job.failure.empty()) job.failure = claims.Claim(job.files);
            if (!job.failure.empty()) {
                job.status = kUsageOrFiles;
                continue;
            }
            while (stop_ == 0 && static_cast<int>(running_.size()) >= options_.jobs) WaitForChild();
            if (stop_ != 0) break;
            Start(job, base);
        }
        while (stop_ == 0 && !running_.empty()) WaitForChild();
        if (stop_ != 0) Abandon();
        return stop_;
    }

  private:
    void Start(Job& job, const fs::path& base) {
        job.run = std::make_unique<PreparedRun>(job.files, base);
        if (options_.keep_scratch) job.run->KeepFolder();
        if (job.run->ready())
            job.child = StartEngineChild(job.run->folder(), library_, signals_.previous());
        const std::string& error = job.run->ready() ? job.child.error : job.run->error();
        if (!error.empty()) {
            job.failure = error;
            job.status = kUsageOrFiles;
            job.run.reset();
            return;
        }
        running_[job.child.pid] = &job;
    }

    void WaitForChild() {
        for (;;) {
            int wait_status = 0;
            const pid_t pid = waitpid(-1, &wait_status, WNOHANG);
            if (pid > 0) {
                Finish(pid, wait_status);
                return;
            }
            if (pid < 0 && errno == ECHILD) return;
            stop_ = signals_.Wait();
            if (stop_ != 0) return;
        }
    }

    void Finish(pid_t pid, int wait_status) {
        const auto it = running_.find(pid);
        if (it == running_.end()) return;
        Job& job = *it->second;
        running_.erase(it);
        const RunConclusion conclusion =
            job.run->Conclude(FinishEngineChild(job.child, wait_status));
        job.failure = conclusion.failure;
        job.withdrawal = conclusion.withdrawal;
        if (!conclusion.published) job.status = kNotAnalysed;
        Close(job);
    }

    // Stops the runs in progress: their children are killed and reaped and
    // their run folders removed.
    void Abandon() {
        for (auto& [pid, job] : running_) {
            ::kill(pid, SIGKILL);
            int wait_status = 0;
            while (waitpid(pid, &wait_status, 0) < 0 && errno == EINTR) {
            }
            (void)FinishEngineChild(job->child, wait_status);
            Close(*job);
        }
        running_.clear();
        std::fprintf(stderr,
                     "keldra-run: stopped by signal %d (%s); the runs in progress were ended\n",
                     stop_, strsignal(stop_));
    }

    // Removes the run folder of a run that ended, or says where it is kept.
    void Close(Job& job) const {
        if (options_.keep_scratch)
            std::fprintf(stderr, "keldra-run: scratch files of %s kept in %s\n",
                         job.files.project.c_str(), job.run->folder().c_str());
        job.run.reset();
    }

    const Options& options_;
    const std::string library_;
    const Signals signals_;
    std::map<pid_t, Job*> running_;
    int stop_ = 0;
};

std::string Value(const Extreme& e, const std::string& unit, const std::string& length) {
    char text[160];
    std::snprintf(text, sizeof text, "%10s %-9s at depth %9s %s", e.value_text.c_str(),
                  unit.c_str(), e.depth_text.c_str(), length.c_str());
    return text;
}

// Prints what the run left and returns the project's exit status.
int Report(const Job& job) {
    std::printf("%s\n", job.files.project.c_str());
    if (!job.failure.empty()) {
        std::printf("  error: %s\n", job.failure.c_str());
        if (!job.withdrawal.empty()) std::printf("  %s\n", job.withdrawal.c_str());
        return job.status;
    }
    std::ifstream in(job.files.report);
    if (!in) {
        std::printf("  error: the report %s cannot be read\n", job.files.report.c_str());
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

}  // namespace

int main(int argc, char** argv) {
    Options options;
    switch (ParseOptions(argc, argv, options)) {
        case Parsed::kHelp:
            PrintHelp();
            return kAllClosed;
        case Parsed::kUsageError:
            std::fputs(kUsage, stderr);
            return kUsageOrFiles;
        case Parsed::kRun:
            break;
    }
    const std::string library = EngineLibraryPath();
    std::error_code error;
    if (!fs::is_regular_file(library, error)) {
        std::fprintf(stderr, "keldra-run: %s not found\n", library.c_str());
        return kUsageOrFiles;
    }
    std::vector<Job> jobs;
    for (const std::string& project : options.projects) {
        Job& job = jobs.emplace_back();
        job.files = OutputsOf(project);
    }

    if (const int stop = Batch(options, library).Run(jobs); stop != 0) return 128 + stop;
    int status = kAllClosed;
    for (const Job& job : jobs) {
        const int project_status = Report(job);
        if (project_status > status) status = project_status;
    }
    return status;
}
