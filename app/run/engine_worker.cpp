#include "app/run/engine_worker.h"

#include <dirent.h>
#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cfenv>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace keldra::run {

namespace {

namespace fs = std::filesystem;

// The worker's end of its socket pair, above the standard streams.
constexpr int kWorkerSocket = 3;
// A run folder's path as sent to the worker; longer than any path chdir takes.
constexpr std::size_t kLongestFolder = 65536;

// The files the worker has open, counted in /proc/self/fd without the one
// the count itself opens; -1 when they cannot be counted.
int OpenFiles() {
    DIR* listing = opendir("/proc/self/fd");
    if (listing == nullptr) return -1;
    int count = -1;
    while (const dirent* entry = readdir(listing))
        if (entry->d_name[0] != '.') ++count;
    closedir(listing);
    return count;
}

// Whether the engine left anything that the next run would inherit rather
// than find as a fresh process finds it: the library still loaded (unloading
// refused), or other files open than the `files` the worker had before (one
// the engine did not close, a standard stream it closed).
bool LeftBehind(const std::string& library, int files) {
    if (void* still = dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD)) {
        dlclose(still);
        return true;
    }
    const int now = OpenFiles();
    return now < 0 || now != files;
}

[[noreturn]] void Serve(int socket, const std::string& library, const sigset_t& signal_mask,
                        EngineOutput output) {
    // Only the worker's own socket stays open: an inherited end of another
    // worker's socket would keep that worker from seeing the runner close it.
    if (socket != kWorkerSocket && dup2(socket, kWorkerSocket) < 0) _exit(1);
    close_range(kWorkerSocket + 1, ~0U, 0);
    const bool prepared = PrepareEngineProcess(signal_mask, output);
    const int files = OpenFiles();
    std::fenv_t fresh;
    std::fegetenv(&fresh);
    std::vector<char> folder(kLongestFolder + 1);
    for (;;) {
        const ssize_t length = recv(kWorkerSocket, folder.data(), kLongestFolder, MSG_TRUNC);
        if (length <= 0) _exit(0);  // the runner has no more runs
        EngineReport report{Stage::kNoOutput};
        if (static_cast<std::size_t>(length) >= kLongestFolder) {
            report.stage = Stage::kNoRunFolder;
        } else if (prepared) {
            folder[static_cast<std::size_t>(length)] = '\0';
            std::fesetenv(&fresh);
            report = CallEngine(folder.data(), library);
        }
        report.last = !prepared || LeftBehind(library, files);
        if (send(kWorkerSocket, &report, sizeof report, MSG_NOSIGNAL) != sizeof report) _exit(1);
        if (report.last) _exit(0);
    }
}

}  // namespace

EngineWorker::EngineWorker(std::string library, const sigset_t& signal_mask, EngineOutput output)
    : library_(std::move(library)), signal_mask_(signal_mask), output_(output) {}

EngineWorker::~EngineWorker() { End(busy_); }

EngineWorker::EngineWorker(EngineWorker&& other) noexcept
    : library_(std::move(other.library_)),
      signal_mask_(other.signal_mask_),
      output_(other.output_),
      pid_(std::exchange(other.pid_, -1)),
      socket_(std::exchange(other.socket_, -1)),
      busy_(std::exchange(other.busy_, false)) {}

std::string EngineWorker::Start() {
    if (pid_ > 0) return {};
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0)
        return std::string("cannot start the engine: ") + std::strerror(errno);
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(ends[0]);
        Serve(ends[1], library_, signal_mask_, output_);
    }
    ::close(ends[1]);
    if (pid < 0) {
        ::close(ends[0]);
        return std::string("cannot start the engine: ") + std::strerror(errno);
    }
    pid_ = pid;
    socket_ = ends[0];
    return {};
}

std::string EngineWorker::Run(const fs::path& folder) {
    const std::string& path = folder.native();
    for (int attempt = 0;; ++attempt) {
        if (std::string error = Start(); !error.empty()) return error;
        busy_ = true;
        // A new worker that does not take the run ends it as the worker ended.
        if (send(socket_, path.data(), path.size(), MSG_NOSIGNAL) ==
                static_cast<ssize_t>(path.size()) ||
            attempt > 0)
            return {};
        End(false);
    }
}

std::string EngineWorker::Conclude() {
    busy_ = false;
    EngineReport report;
    const bool told = ReadReport(socket_, report);
    if (told && report.last == 0) return DescribeReport(report);
    const int wait_status = End(false);
    return told ? DescribeReport(report) : DescribeEnd(wait_status);
}

int EngineWorker::End(bool kill) {
    busy_ = false;
    if (pid_ <= 0) return 0;
    if (kill) ::kill(pid_, SIGKILL);
    ::close(socket_);  // an idle worker ends when the runner closes its end
    int wait_status = 0;
    while (waitpid(pid_, &wait_status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    socket_ = -1;
    return wait_status;
}

}  // namespace keldra::run
