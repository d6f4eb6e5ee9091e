#include "app/studies/study_runs.h"

#include <poll.h>
#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <future>
#include <map>
#include <memory>

#include "app/project/inouterror.h"
#include "app/run/engine_worker.h"
#include "app/run/prepared_run.h"
#include "app/run/project_outputs.h"
#include "app/run/run_folder.h"

namespace keldra::studies {

namespace {

namespace fs = std::filesystem;
using namespace keldra::run;

// A run's end is awaited with a timeout rather than on a signal: the study
// may run on a thread of a program whose signals it does not own, and
// checks between waits whether it was cancelled.
constexpr int kWaitMilliseconds = 5;

// A job slot: its worker, the run in progress and the index of its project.
struct Slot {
    EngineWorker worker;
    std::unique_ptr<PreparedRun> run;
    std::size_t index = 0;
};

class StudyBatch {
  public:
    StudyBatch(const std::vector<fs::path>& projects, const StudyRunOptions& options)
        : options_(options), base_(TemporaryBase()) {
        runs_.resize(projects.size());
        for (std::size_t k = 0; k < projects.size(); ++k) runs_[k].project = projects[k];
        // The workers take the mask of the thread that runs the study; the
        // progress lines of many runs at once would say nothing.
        sigset_t mask;
        pthread_sigmask(SIG_SETMASK, nullptr, &mask);
        const std::size_t at_once = std::min<std::size_t>(options.jobs, projects.size());
        for (std::size_t k = 0; k < at_once; ++k) {
            slots_.push_back({EngineWorker(options.library, mask, EngineOutput::kDiscarded)});
            (void)slots_.back().worker.Start();  // told again by the first run it fails
        }
    }

    std::vector<StudyRun> Run() {
        std::size_t next = 0;
        for (;;) {
            if (Cancelled()) {
                Abandon(next);
                break;
            }
            for (Slot* idle; next < runs_.size() && (idle = IdleSlot()) != nullptr;)
                Start(next++, *idle);
            PrepareAhead(next);
            if (next == runs_.size() && AllIdle()) break;
            ReapEnded();
        }
        return std::move(runs_);
    }

  private:
    [[nodiscard]] bool Cancelled() const {
        return options_.cancel != nullptr && options_.cancel->load();
    }

    Slot* IdleSlot() {
        for (Slot& slot : slots_)
            if (!slot.run) return &slot;
        return nullptr;
    }

    [[nodiscard]] bool AllIdle() const {
        return std::none_of(slots_.begin(), slots_.end(),
                            [](const Slot& slot) { return slot.run != nullptr; });
    }

    // The projects of the next runs are made on threads of their own while
    // the runs go on: making a project waits mostly on the disk.
    void PrepareAhead(std::size_t next) {
        if (!options_.prepare) return;
        for (std::size_t k = next; k < runs_.size() && k < next + options_.jobs; ++k)
            if (!preparing_.contains(k))
                preparing_.emplace(k, std::async(std::launch::async, options_.prepare, k));
    }

    void Start(std::size_t index, Slot& slot) {
        PrepareAhead(index);
        if (const auto it = preparing_.find(index); it != preparing_.end()) {
            const std::string error = it->second.get();
            preparing_.erase(it);
            if (!error.empty()) {
                Ended(index, error);
                return;
            }
        }
        auto run = std::make_unique<PreparedRun>(OutputsOf(runs_[index].project), base_);
        if (!run->ready()) {
            Ended(index, run->error());
            return;
        }
        if (const std::string error = slot.worker.Run(run->folder()); !error.empty()) {
            Ended(index, error);
            return;
        }
        slot.run = std::move(run);
        slot.index = index;
    }

    // Waits a little for runs to end and concludes those that did.
    void ReapEnded() {
        std::vector<pollfd> waited;
        std::vector<Slot*> busy;
        for (Slot& slot : slots_) {
            if (!slot.run) continue;
            waited.push_back({slot.worker.socket(), POLLIN, 0});
            busy.push_back(&slot);
        }
        if (::poll(waited.data(), waited.size(), kWaitMilliseconds) <= 0) return;
        for (std::size_t k = 0; k < busy.size(); ++k)
            if (waited[k].revents != 0) Conclude(*busy[k]);
    }

    void Conclude(Slot& slot) {
        const std::unique_ptr<PreparedRun> run = std::move(slot.run);
        const RunConclusion conclusion = run->Conclude(slot.worker.Conclude());
        StudyRun& study_run = runs_[slot.index];
        study_run.ran = conclusion.published;
        if (conclusion.published) {
            const ProjectOutputs files = OutputsOf(study_run.project);
            study_run.summary = results::SummariseFiles(
                {files.report.string(), files.plot.string(), files.project.string()});
        }
        Ended(slot.index, conclusion.failure);
    }

    void Ended(std::size_t index, const std::string& failure) {
        runs_[index].failure = failure;
        ++done_;
        if (options_.progress) options_.progress(done_, static_cast<int>(runs_.size()));
    }

    // Kills and reaps the running workers; their run folders go with them.
    void Abandon(std::size_t next) {
        for (Slot& slot : slots_) {
            if (!slot.run) continue;
            slot.worker.Kill();
            slot.run.reset();
            runs_[slot.index].failure = kCancelled;
        }
        for (std::size_t k = next; k < runs_.size(); ++k) runs_[k].failure = kCancelled;
    }

    const StudyRunOptions& options_;
    const fs::path base_;
    std::vector<StudyRun> runs_;
    std::vector<Slot> slots_;
    // Waited for when the batch ends, as the futures of std::async are.
    std::map<std::size_t, std::future<std::string>> preparing_;
    int done_ = 0;
};

}  // namespace

std::vector<StudyRun> RunStudyProjects(const std::vector<fs::path>& projects,
                                       const StudyRunOptions& options) {
    return StudyBatch(projects, options).Run();
}

std::string WrittenOrWhyNot(const std::function<void()>& write) {
    try {
        write();
    } catch (const EInOutError& error) {
        return error.message().toStdString();
    }
    return {};
}

bool Closed(const StudyRun& run) {
    if (!run.ran || !run.summary.error.empty() || !run.summary.stop.empty() ||
        run.summary.problems.empty())
        return false;
    for (const results::ProblemSummary& p : run.summary.problems)
        if (!p.closed) return false;
    return true;
}

}  // namespace keldra::studies
