// A process that runs the engine for one run folder after another. For
// each run it enters the folder, loads the library, calls the entry and
// unloads the library again, so every run starts from the engine's zero
// state as in a process of its own, without the cost of starting one. A
// worker whose engine left something behind (the library still loaded, a
// file left open, a standard stream closed) ends after that run, and the
// next run gets a new worker. A worker that dies takes only its run with it.
#pragma once

#include <signal.h>
#include <sys/types.h>

#include <filesystem>
#include <string>

#include "app/run/engine_call.h"

namespace keldra::run {

class EngineWorker {
  public:
    // The worker, once started, loads `library` for each run, takes
    // `signal_mask` as its own and the default handling of every signal.
    EngineWorker(std::string library, const sigset_t& signal_mask, EngineOutput output);
    // An idle worker is told to end, a busy one is killed; either is reaped.
    ~EngineWorker();
    EngineWorker(EngineWorker&& other) noexcept;
    EngineWorker& operator=(EngineWorker&&) = delete;
    EngineWorker(const EngineWorker&) = delete;
    EngineWorker& operator=(const EngineWorker&) = delete;

    // Hands the worker a run in `folder`, starting a worker first when there
    // is none or the one there ended while it waited. Returns why no worker
    // could be started; empty when the run was handed over.
    [[nodiscard]] std::string Run(const std::filesystem::path& folder);

    // Starts the worker before its first run, while the caller is small and
    // has no other threads. Returns why it could not, which the first run
    // then tells again.
    [[nodiscard]] std::string Start();

    [[nodiscard]] bool busy() const { return busy_; }
    [[nodiscard]] pid_t pid() const { return pid_; }
    // Readable once the run handed over has ended.
    [[nodiscard]] int socket() const { return socket_; }

    // Once the socket is readable: empty when the entry completed, otherwise
    // what ended the run, as it happened. A worker that ended, or ends after
    // this run, is reaped.
    [[nodiscard]] std::string Conclude();

    // Kills the worker and reaps it.
    void Kill() { End(true); }

  private:
    // Ends the worker (killed first when asked) and returns its wait status.
    int End(bool kill);

    std::string library_;
    sigset_t signal_mask_{};
    EngineOutput output_;
    pid_t pid_ = -1;
    int socket_ = -1;  // the runner's end of the worker's socket pair
    bool busy_ = false;
};

}  // namespace keldra::run
