#include "app/studies/study_runs.h"

#include <pthread.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <future>
#include <map>
#include <memory>
#include <thread>

#include "app/project/inouterror.h"
#include "app/run/engine_child.h"
#include "app/run/prepared_run.h"
#include "app/run/project_outputs.h"
#include "app/run/run_folder.h"

namespace keldra::studies {

namespace {

namespace fs = std::filesystem;
using namespace keldra::run;

// A child's end is polled rather than awaited on a signal: the study may run
// on a thread of a program whose signals it does not own.
constexpr auto kPollInterval = std::chrono::milliseconds(5);

struct Running {
    std::unique_ptr<PreparedRun> run;
    EngineChild child;
    std::size_t index = 0;
};

class StudyBatch {
  public:
    StudyBatch(const std::vector<fs::path>& projects, const StudyRunOptions& options)
        : options_(options), base_(TemporaryBase()) {
        runs_.resize(projects.size());
        for (std::size_t k = 0; k < projects.size(); ++k) runs_[k].project = projects[k];
        // The children take the mask of the thread that runs the study.
        pthread_sigmask(SIG_SETMASK, nullptr, &mask_);
    }

    std::vector<StudyRun> Run() {
        std::size_t next = 0;
        while (next < runs_.size() || !running_.empty()) {
            if (Cancelled()) {
                Abandon(next);
                break;
            }
            while (next < runs_.size() && static_cast<int>(running_.size()) < options_.jobs)
                Start(next++);
            PrepareAhead(next);
            if (!ReapOne()) std::this_thread::sleep_for(kPollInterval);
        }
        return std::move(runs_);
    }

  private:
    [[nodiscard]] bool Cancelled() const {
        return options_.cancel != nullptr && options_.cancel->load();
    }

    // The projects of the next runs are made on threads of their own while
    // the runs go on: making a project waits mostly on the disk.
    void PrepareAhead(std::size_t next) {
        if (!options_.prepare) return;
        for (std::size_t k = next; k < runs_.size() && k < next + options_.jobs; ++k)
            if (!preparing_.contains(k))
                preparing_.emplace(k, std::async(std::launch::async, options_.prepare, k));
    }

    void Start(std::size_t index) {
        PrepareAhead(index);
        if (const auto it = preparing_.find(index); it != preparing_.end()) {
            const std::string error = it->second.get();
            preparing_.erase(it);
            if (!error.empty()) {
                Ended(index, error);
                return;
            }
        }
        StudyRun& study_run = runs_[index];
        auto run = std::make_unique<PreparedRun>(OutputsOf(study_run.project), base_);
        if (!run->ready()) {
            Ended(index, run->error());
            return;
        }
        // The progress lines of many runs at once would say nothing.
        EngineChild child =
            StartEngineChild(run->folder(), options_.library, mask_, EngineOutput::kDiscarded);
        if (!child.error.empty()) {
            Ended(index, child.error);
            return;
        }
        running_[child.pid] = Running{std::move(run), child, index};
    }

    // Concludes a run whose child ended; false when none has.
    bool ReapOne() {
        for (auto it = running_.begin(); it != running_.end(); ++it) {
            int wait_status = 0;
            const pid_t pid = waitpid(it->first, &wait_status, WNOHANG);
            if (pid == 0 || (pid < 0 && errno == EINTR)) continue;
            Running running = std::move(it->second);
            running_.erase(it);
            const RunConclusion conclusion =
                running.run->Conclude(FinishEngineChild(running.child, wait_status));
            StudyRun& study_run = runs_[running.index];
            study_run.ran = conclusion.published;
            if (conclusion.published) {
                const ProjectOutputs files = OutputsOf(study_run.project);
                study_run.summary = results::SummariseFiles(
                    {files.report.string(), files.plot.string(), files.project.string()});
            }
            Ended(running.index, conclusion.failure);
            return true;
        }
        return false;
    }

    void Ended(std::size_t index, const std::string& failure) {
        runs_[index].failure = failure;
        ++done_;
        if (options_.progress) options_.progress(done_, static_cast<int>(runs_.size()));
    }

    // Kills and reaps the running children; their run folders go with them.
    void Abandon(std::size_t next) {
        for (auto& [pid, running] : running_) {
            ::kill(pid, SIGKILL);
            int wait_status = 0;
            while (waitpid(pid, &wait_status, 0) < 0 && errno == EINTR) {
            }
            (void)FinishEngineChild(running.child, wait_status);
            runs_[running.index].failure = kCancelled;
        }
        running_.clear();
        for (std::size_t k = next; k < runs_.size(); ++k) runs_[k].failure = kCancelled;
    }

    const StudyRunOptions& options_;
    const fs::path base_;
    sigset_t mask_{};
    std::vector<StudyRun> runs_;
    std::map<pid_t, Running> running_;
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
