// keldra-run [--jobs N] [--keep-scratch] [--json] [--no-subdivision-check] PROJECT.kd5d...
//
// The headless runner: the engine on each project, loaded afresh for it in
// an engine worker, and a summary per problem. What it does and its exit
// status are told by its help text below, which is also its manual page.
#include <keldra/version.h>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QString>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/results/json_writer.h"
#include "app/results/results_summary.h"
#include "app/results/summary_json.h"
#include "app/run/engine_library.h"
#include "app/run/engine_names.h"
#include "app/run/engine_worker.h"
#include "app/run/output_claims.h"
#include "app/run/prepared_run.h"
#include "app/run/project_outputs.h"
#include "app/run/run_folder.h"
#include "app/studies/subdivision_check.h"
#include "app/studies/subdivision_json.h"
#include "app/studies/subdivision_text.h"

namespace {

namespace fs = std::filesystem;
using namespace keldra::run;
using namespace keldra::results;
using keldra::studies::SubdivisionCheck;

constexpr int kAllClosed = 0;
constexpr int kNotAnalysed = 1;
constexpr int kUsageOrFiles = 2;

struct Options {
    int jobs = 1;
    bool keep_scratch = false;
    bool json = false;
    bool subdivision_check = true;
    std::vector<std::string> projects;
};

constexpr const char* kUsage =
    "Usage: keldra-run [--jobs N] [--keep-scratch] [--json] [--no-subdivision-check]\n"
    "                  PROJECT.kd5d...\n";

constexpr const char* kHelp =
    "Runs the engine on each project and prints, per problem, its label, the iterations,\n"
    "whether the solution closed, the report's warning lines, the largest deflection,\n"
    "bending moment, shear and soil reaction with their depths, the top deflection, the\n"
    "embedment and the tieback forces. Each run works in a private run folder\n"
    "under $TMPDIR (or /tmp); the report (.kd5o), plot data (.kd5p) and run notes (.kd5r)\n"
    "of a completed run are then put next to the project. A run that fails leaves no\n"
    "outputs there: the older ones are removed.\n"
    "\n"
    "After a completed run it runs the project once more with every soil layer that\n"
    "carries p-y curves split into two layers of equal thickness and prints, per\n"
    "problem, how much that changes the top deflection and the largest moment:\n"
    "  Subdivision check: splitting every soil layer in two changes the top deflection\n"
    "  by +52 % and the maximum moment by +9 %\n"
    "with a warning when either changes by more than 10 %. The outputs of the run as\n"
    "given are not touched.\n"
    "\n"
    "Options:\n"
    "  --jobs N        run up to N projects at a time, in N processes that load the\n"
    "                  engine afresh for each project\n"
    "                  (1 to 64; 1 when not given)\n"
    "  --keep-scratch  keep the run folders with the names file and the scratch files,\n"
    "                  and say where they are\n"
    "  --json          print instead one JSON document with the same values at the\n"
    "                  precision of their sources (the README gives its schema)\n"
    "  --no-subdivision-check\n"
    "                  skip the run with the soil layers split\n"
    "  -h, --help      print this help and exit\n"
    "\n"
    "Exit status:\n"
    "  0        every problem of every project was analysed and closed\n"
    "  1        a run failed, stopped on an input error or did not close\n"
    "  2        a usage error, or a project that does not exist or cannot be read\n"
    "  128 + N  signal N (SIGINT or SIGTERM) stopped the batch\n";

void PrintHelp() { std::printf("%s\n%s", kUsage, kHelp); }

enum class Parsed { kRun, kShowHelp, kUsageError };

Parsed ParseOptions(int argc, char** argv, Options& options) {
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--help" || arg == "-h") return Parsed::kShowHelp;
        if (arg == "--keep-scratch") {
            options.keep_scratch = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--no-subdivision-check") {
            options.subdivision_check = false;
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
    std::string failure;     // the project could not run, or its run failed
    std::string withdrawal;  // what became of the older outputs after a failed run
    int status = kAllClosed;
    ResultsSummary summary;  // of the published outputs
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

// The signals that stop a batch are taken when the batch waits for its runs
// rather than by handlers. They stay blocked until the runner exits: a stop
// that comes after the last run has nothing to stop.
class Signals {
  public:
    Signals() {
        sigemptyset(&watched_);
        for (int signal : {SIGINT, SIGTERM}) sigaddset(&watched_, signal);
        sigprocmask(SIG_BLOCK, &watched_, &previous_);
        stops_ = signalfd(-1, &watched_, SFD_CLOEXEC);
    }
    ~Signals() { ::close(stops_); }
    Signals(const Signals&) = delete;
    Signals& operator=(const Signals&) = delete;

    // The mask the engine processes restore.
    [[nodiscard]] const sigset_t& previous() const { return previous_; }
    // Readable when a stop signal is pending.
    [[nodiscard]] int stops() const { return stops_; }
    // The stop signal that is pending, or 0.
    [[nodiscard]] int Take() const {
        signalfd_siginfo taken{};
        return ::read(stops_, &taken, sizeof taken) == sizeof taken
                   ? static_cast<int>(taken.ssi_signo)
                   : 0;
    }

  private:
    sigset_t watched_{}, previous_{};
    int stops_ = -1;
};

class Batch {
  public:
    // A slot for each run that may go on at once, its worker forked while
    // the runner is small; a worker that cannot start now is tried again at
    // its first run, which tells why.
    Batch(const Options& options, const std::string& library) : options_(options) {
        const std::size_t at_once = std::min<std::size_t>(options.jobs, options.projects.size());
        for (std::size_t k = 0; k < at_once; ++k) {
            slots_.push_back(
                {EngineWorker(library, signals_.previous(), EngineOutput::kStandardError)});
            (void)slots_.back().worker.Start();
        }
    }

    // Runs every job that may run; returns the signal that stopped the
    // batch, or 0.
    int Run(std::vector<Job>& jobs) {
        OutputClaims claims;
        const fs::path base = TemporaryBase();
        auto next = jobs.begin();
        for (;;) {
            for (Slot* idle; next != jobs.end() && (idle = IdleSlot()) != nullptr; ++next)
                if (MayRun(*next, claims)) Start(*next, *idle, base);
            if (!AnyBusy()) break;
            std::vector<Ended> ended = WaitForRuns();
            if (stop_ != 0) {
                Abandon(ended);
                break;
            }
            // The free slots take their next runs before the ended ones are
            // published and read, which then overlaps with those runs.
            for (Slot* idle; next != jobs.end() && (idle = IdleSlot()) != nullptr; ++next)
                if (MayRun(*next, claims)) Start(*next, *idle, base);
            for (const Ended& run : ended) Finish(*run.job, run.failure);
        }
        return stop_;
    }

  private:
    // A job slot: its worker, and the job it runs.
    struct Slot {
        EngineWorker worker;
        Job* job = nullptr;
    };

    // A run whose engine is done with it: its job, and empty or what ended it.
    struct Ended {
        Job* job;
        std::string failure;
    };

    static bool MayRun(Job& job, OutputClaims& claims) {
        job.failure = CheckProject(job.files);
        if (job.failure.empty()) job.failure = claims.Claim(job.files);
        if (job.failure.empty()) return true;
        job.status = kUsageOrFiles;
        return false;
    }

    Slot* IdleSlot() {
        for (Slot& slot : slots_)
            if (slot.job == nullptr) return &slot;
        return nullptr;
    }

    [[nodiscard]] bool AnyBusy() const {
        return std::any_of(slots_.begin(), slots_.end(),
                           [](const Slot& slot) { return slot.job != nullptr; });
    }

    void Start(Job& job, Slot& slot, const fs::path& base) {
        job.run = std::make_unique<PreparedRun>(job.files, base);
        if (options_.keep_scratch) job.run->KeepFolder();
        std::string error = job.run->error();
        if (error.empty()) error = slot.worker.Run(job.run->folder());
        if (!error.empty()) {
            job.failure = error;
            job.status = kUsageOrFiles;
            job.run.reset();
            return;
        }
        slot.job = &job;
    }

    // Waits until a run ends or a stop signal comes; returns the runs that
    // ended, whose slots are then free.
    std::vector<Ended> WaitForRuns() {
        std::vector<pollfd> waited{{signals_.stops(), POLLIN, 0}};
        std::vector<Slot*> busy;
        for (Slot& slot : slots_) {
            if (slot.job == nullptr) continue;
            waited.push_back({slot.worker.socket(), POLLIN, 0});
            busy.push_back(&slot);
        }
        while (::poll(waited.data(), waited.size(), -1) < 0 && errno == EINTR) {
        }
        if (waited[0].revents != 0) stop_ = signals_.Take();
        std::vector<Ended> ended;
        for (std::size_t k = 0; k < busy.size(); ++k)
            if (waited[k + 1].revents != 0)
                ended.push_back({std::exchange(busy[k]->job, nullptr), busy[k]->worker.Conclude()});
        return ended;
    }

    // Publishes the outputs of a completed run and reads them, or withdraws
    // the older outputs of a failed one.
    void Finish(Job& job, const std::string& failure) {
        const RunConclusion conclusion = job.run->Conclude(failure);
        job.failure = conclusion.failure;
        job.withdrawal = conclusion.withdrawal;
        if (!conclusion.published) job.status = kNotAnalysed;
        Close(job);
        if (conclusion.published)
            job.summary = SummariseFiles({job.files.report, job.files.plot, job.files.project});
    }

    // Stops the runs in progress: their engine processes are killed and
    // reaped and their run folders removed, as are those of the runs that
    // ended as the stop came.
    void Abandon(const std::vector<Ended>& ended) {
        for (const Ended& run : ended) Close(*run.job);
        for (Slot& slot : slots_) {
            if (slot.job == nullptr) continue;
            slot.worker.Kill();
            Close(*std::exchange(slot.job, nullptr));
        }
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
    const Signals signals_;
    std::vector<Slot> slots_;
    int stop_ = 0;
};

// What the run of one project left: its exit status, its errors and the
// summary of its outputs.
struct Conclusion {
    int status = kAllClosed;
    std::vector<std::string> errors;
    bool published = false;
    ResultsSummary summary;
    std::optional<SubdivisionCheck> subdivision;  // none when not made
};

Conclusion ConclusionOf(Job& job) {
    Conclusion c;
    if (!job.failure.empty()) {
        c.status = job.status;
        c.errors.push_back(job.failure);
        if (!job.withdrawal.empty()) c.errors.push_back(job.withdrawal);
        return c;
    }
    c.published = true;
    c.summary = std::move(job.summary);
    if (!c.summary.error.empty()) {
        c.errors.push_back(c.summary.error);
        c.status = kNotAnalysed;
    }
    for (const ProblemSummary& p : c.summary.problems)
        if (!p.closed) c.status = kNotAnalysed;
    if (!c.summary.stop.empty()) c.status = kNotAnalysed;
    return c;
}

std::string Line(const char* name, const std::string& value, const std::string& unit,
                 const std::string& depth, const std::string& length) {
    char text[200];
    std::snprintf(text, sizeof text, "    %-16s %10s %-9s at depth %9s %s\n", name, value.c_str(),
                  unit.c_str(), depth.c_str(), length.c_str());
    return text;
}

std::string ExtremeLine(const char* name, const Extreme& e, const std::string& unit,
                        const std::string& length) {
    auto printed = [](const Quantity& q) { return q.printed.empty() ? "n/a" : q.printed; };
    return Line(name, printed(e.value), unit, printed(e.depth), length);
}

void PrintProblem(const ProblemSummary& p, const keldra::studies::ProblemCheck* check) {
    std::printf("  %s: %d iterations, %s\n", p.label.c_str(), p.iterations,
                p.closed ? "converged" : "NOT converged");
    for (const std::string& w : p.warnings) std::printf("    %s\n", w.c_str());
    const Units& u = p.units;
    std::fputs(ExtremeLine("max |deflection|", p.deflection, u.length, u.length).c_str(), stdout);
    std::fputs(ExtremeLine("max |moment|", p.moment, u.moment, u.length).c_str(), stdout);
    std::fputs(ExtremeLine("max |shear|", p.shear, u.force, u.length).c_str(), stdout);
    std::fputs(ExtremeLine("max |reaction|", p.reaction, u.force, u.length).c_str(), stdout);
    std::printf("    %-16s %10s %s\n", "top deflection",
                p.top_deflection.printed.empty() ? "n/a" : p.top_deflection.printed.c_str(),
                u.length.c_str());
    const char* length = u.length.c_str();
    std::printf("    %-16s %10s %-9s (wall %s %s, free height %s %s)\n", "embedment",
                DisplayText(p.embedment.figure).c_str(), length,
                DisplayText(p.wall_length.figure).c_str(), length,
                DisplayText(p.free_height.figure).c_str(), length);
    for (std::size_t k = 0; k < p.tiebacks.size(); ++k) {
        const TiebackForce& t = p.tiebacks[k];
        const std::string name = "tieback " + std::to_string(k + 1);
        std::fputs(Line(name.c_str(), DisplayText(t.force.figure), u.force,
                        DisplayText(t.depth.figure), u.length)
                       .c_str(),
                   stdout);
    }
    for (const std::string& note : p.notes) std::printf("    note: %s\n", note.c_str());
    if (check != nullptr)
        for (const std::string& line : CheckLines(*check)) std::printf("    %s\n", line.c_str());
}

// Prints what the run of a project left.
void PrintText(const Job& job, const Conclusion& c) {
    std::printf("%s\n", job.files.project.c_str());
    if (!c.errors.empty()) {
        std::printf("  error: %s\n", c.errors.front().c_str());
        for (std::size_t k = 1; k < c.errors.size(); ++k)
            std::printf("  %s\n", c.errors[k].c_str());
        return;
    }
    for (std::size_t k = 0; k < c.summary.problems.size(); ++k)
        PrintProblem(c.summary.problems[k], c.subdivision ? &c.subdivision->problems[k] : nullptr);
    if (!c.summary.stop.empty()) {
        std::printf("  run stopped:\n");
        for (const std::string& line : c.summary.stop) std::printf("    %s\n", line.c_str());
    }
    std::printf("  report    %s\n  plot data %s\n  run notes %s\n", job.files.report.c_str(),
                job.files.plot.c_str(), job.files.notes.c_str());
}

void WriteProject(JsonWriter& json, const Job& job, const Conclusion& c) {
    json.BeginObject();
    json.Key("project");
    json.String(job.files.project.string());
    json.Key("status");
    json.Integer(c.status);
    json.Key("errors");
    json.BeginArray();
    for (const std::string& error : c.errors) json.String(error);
    json.EndArray();
    for (const auto& [key, path] : {std::pair{"report", &job.files.report},
                                    {"plot_data", &job.files.plot},
                                    {"run_notes", &job.files.notes}}) {
        json.Key(key);
        if (c.published)
            json.String(path->string());
        else
            json.Null();
    }
    WriteSummaryMembers(json, c.summary);
    json.Key("subdivision_check");
    if (c.subdivision)
        WriteSubdivisionCheck(json, *c.subdivision);
    else
        json.Null();
    json.EndObject();
}

// One JSON document for the whole batch.
bool PrintJson(const std::vector<Job>& jobs, const std::vector<Conclusion>& conclusions,
               int status) {
    JsonWriter json;
    json.BeginObject();
    json.Key("program");
    json.String("keldra-run");
    json.Key("version");
    json.String(keldra::kVersion);
    json.Key("exit_status");
    json.Integer(status);
    json.Key("projects");
    json.BeginArray();
    for (std::size_t k = 0; k < jobs.size(); ++k) WriteProject(json, jobs[k], conclusions[k]);
    json.EndArray();
    json.EndObject();
    const std::string text = json.Text();
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

// A stop signal that arrived while the checks ran; 0 when none did. The
// stop signals stay blocked, so they wait to be taken here.
int PendingStop() {
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    const timespec now{};
    const int signal = sigtimedwait(&stops, nullptr, &now);
    return signal > 0 ? signal : 0;
}

// Runs the subdivision check of every run that completed; returns the
// signal that stopped the checks, or 0.
int CheckSubdivision(const Options& options, const std::string& library,
                     const std::vector<Job>& jobs, std::vector<Conclusion>& conclusions) {
    std::vector<keldra::studies::CheckedRun> runs;
    std::vector<Conclusion*> checked;
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        Conclusion& c = conclusions[k];
        if (!c.published || !c.summary.error.empty() || c.summary.problems.empty()) continue;
        runs.push_back({QString::fromStdString(jobs[k].files.project.string()), &c.summary});
        checked.push_back(&c);
    }
    std::atomic<bool> cancel{false};
    int stop = 0;
    keldra::studies::StudyRunOptions run;
    run.jobs = options.jobs;
    run.library = library;
    run.cancel = &cancel;
    run.progress = [&](int, int) {
        if (stop == 0) stop = PendingStop();
        cancel = stop != 0;
    };
    std::vector<SubdivisionCheck> checks = RunSubdivisionChecks(runs, run);
    if (stop == 0) stop = PendingStop();
    if (stop != 0) {
        std::fprintf(stderr,
                     "keldra-run: stopped by signal %d (%s); the runs in progress were ended\n",
                     stop, strsignal(stop));
        return stop;
    }
    for (std::size_t k = 0; k < checked.size(); ++k) checked[k]->subdivision = std::move(checks[k]);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    switch (ParseOptions(argc, argv, options)) {
        case Parsed::kShowHelp:
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
    std::vector<Conclusion> conclusions;
    for (Job& job : jobs) {
        conclusions.push_back(ConclusionOf(job));
        status = std::max(status, conclusions.back().status);
    }
    if (options.subdivision_check)
        if (const int stop = CheckSubdivision(options, library, jobs, conclusions); stop != 0)
            return 128 + stop;
    if (options.json) {
        if (!PrintJson(jobs, conclusions, status)) {
            std::fprintf(stderr, "keldra-run: the JSON document could not be written: %s\n",
                         std::strerror(errno));
            return kUsageOrFiles;
        }
        return status;
    }
    for (std::size_t k = 0; k < jobs.size(); ++k) PrintText(jobs[k], conclusions[k]);
    return status;
}
