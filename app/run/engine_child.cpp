#include "app/run/engine_child.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <keldra/ikeldra.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/run/entry_result.h"

namespace keldra::run {

namespace {

namespace fs = std::filesystem;

// What the child tells its parent through the pipe before it ends. A child
// that ends without telling did not come back from the entry.
enum class Stage : std::int32_t { kReturned, kNoRunFolder, kNoLibrary, kNoEntry, kNoOutput };
struct ChildReport {
    Stage stage;
    std::int32_t result;
};

[[noreturn]] void Tell(int pipe, Stage stage, std::int32_t result = 0) {
    const ChildReport report{stage, result};
    const bool told = ::write(pipe, &report, sizeof report) == sizeof report;
    std::fflush(nullptr);  // the engine's progress lines
    _exit(told ? 0 : 1);
}

// The runner's standard output carries its summary, which may be one JSON
// document: whatever the engine prints goes to the standard error stream, or
// nowhere when that is closed; when it is not wanted, both streams go nowhere.
bool SetOutputAside(EngineOutput output) {
    const bool shown = output == EngineOutput::kStandardError;
    if (shown && dup2(STDERR_FILENO, STDOUT_FILENO) >= 0) return true;
    const int nowhere = open("/dev/null", O_WRONLY);
    if (nowhere < 0 || dup2(nowhere, STDOUT_FILENO) < 0) return false;
    return shown || dup2(nowhere, STDERR_FILENO) >= 0;
}

[[noreturn]] void RunChild(const fs::path& folder, const std::string& library, int pipe,
                           const sigset_t& signal_mask, EngineOutput output) {
    for (int signal : {SIGCHLD, SIGINT, SIGTERM}) std::signal(signal, SIG_DFL);
    sigprocmask(SIG_SETMASK, &signal_mask, nullptr);
    if (!SetOutputAside(output)) Tell(pipe, Stage::kNoOutput);
    if (chdir(folder.c_str()) != 0) Tell(pipe, Stage::kNoRunFolder);
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, dlerror());
        Tell(pipe, Stage::kNoLibrary);
    }
    auto entry = reinterpret_cast<entry::Function>(dlsym(handle, entry::kName));
    if (entry == nullptr) Tell(pipe, Stage::kNoEntry);
    Tell(pipe, Stage::kReturned, entry(entry::kInterfaceVersion));
}

std::string DescribeEnd(int wait_status) {
    if (WIFSIGNALED(wait_status)) {
        const int signal = WTERMSIG(wait_status);
        return "the engine process was killed by signal " + std::to_string(signal) + " (" +
               strsignal(signal) + ")";
    }
    return "the engine process ended with exit status " + std::to_string(WEXITSTATUS(wait_status)) +
           " before " + entry::kName + " returned";
}

}  // namespace

std::string EngineLibraryPath() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return "libKeldraEngine.so";
    return (self.parent_path() / "libKeldraEngine.so").string();
}

EngineChild StartEngineChild(const fs::path& folder, const std::string& library,
                             const sigset_t& signal_mask, EngineOutput output) {
    EngineChild child;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        child.error = std::string("cannot start the engine: ") + std::strerror(errno);
        return child;
    }
    std::fflush(nullptr);
    child.pid = fork();
    if (child.pid == 0) {
        ::close(ends[0]);
        RunChild(folder, library, ends[1], signal_mask, output);
    }
    ::close(ends[1]);
    if (child.pid < 0) {
        child.error = std::string("cannot start the engine: ") + std::strerror(errno);
        ::close(ends[0]);
        return child;
    }
    child.report_pipe = ends[0];
    return child;
}

std::string FinishEngineChild(EngineChild& child, int wait_status) {
    ChildReport report{};
    ssize_t n = 0;
    do {
        n = ::read(child.report_pipe, &report, sizeof report);
    } while (n < 0 && errno == EINTR);
    ::close(child.report_pipe);
    child.report_pipe = -1;
    if (n != sizeof report) return DescribeEnd(wait_status);
    switch (report.stage) {
        case Stage::kReturned:
            return run::DescribeEntryResult(report.result);
        case Stage::kNoRunFolder:
            return "the engine process could not enter its run folder";
        case Stage::kNoLibrary:
            return "libKeldraEngine.so could not be loaded";
        case Stage::kNoEntry:
            return std::string("libKeldraEngine.so has no entry ") + entry::kName;
        case Stage::kNoOutput:
            return "the engine process could not set its standard output aside";
    }
    return DescribeEnd(wait_status);
}

}  // namespace keldra::run
