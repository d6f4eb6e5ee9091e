#include "app/run/engine_call.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <keldra/ikeldra.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "app/run/entry_result.h"

namespace keldra::run {

namespace fs = std::filesystem;

bool PrepareEngineProcess(const sigset_t& signal_mask, EngineOutput output) {
    for (int signal : {SIGCHLD, SIGINT, SIGTERM}) std::signal(signal, SIG_DFL);
    sigprocmask(SIG_SETMASK, &signal_mask, nullptr);
    // The runner's standard output carries its summary, which may be one
    // JSON document: whatever the engine prints goes to the standard error
    // stream, or nowhere when that is closed; when it is not wanted, both
    // streams go nowhere.
    const bool shown = output == EngineOutput::kStandardError;
    if (shown && dup2(STDERR_FILENO, STDOUT_FILENO) >= 0) return true;
    const int nowhere = open("/dev/null", O_WRONLY);
    if (nowhere < 0 || dup2(nowhere, STDOUT_FILENO) < 0) return false;
    const bool set = shown || dup2(nowhere, STDERR_FILENO) >= 0;
    if (nowhere > STDERR_FILENO) ::close(nowhere);
    return set;
}

EngineReport CallEngine(const fs::path& folder, const std::string& library) {
    if (chdir(folder.c_str()) != 0) return {Stage::kNoRunFolder};
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, dlerror());
        return {Stage::kNoLibrary};
    }
    auto entry = reinterpret_cast<entry::Function>(dlsym(handle, entry::kName));
    const EngineReport report =
        entry == nullptr ? EngineReport{Stage::kNoEntry}
                         : EngineReport{Stage::kReturned, entry(entry::kInterfaceVersion)};
    dlclose(handle);
    std::fflush(nullptr);  // the engine's progress lines
    return report;
}

std::string DescribeReport(const EngineReport& report) {
    switch (report.stage) {
        case Stage::kReturned:
            return DescribeEntryResult(report.result);
        case Stage::kNoRunFolder:
            return "the engine process could not enter its run folder";
        case Stage::kNoLibrary:
            return "libKeldraEngine.so could not be loaded";
        case Stage::kNoEntry:
            return std::string("libKeldraEngine.so has no entry ") + entry::kName;
        case Stage::kNoOutput:
            return "the engine process could not set its standard output aside";
    }
    return {};
}

bool ReadReport(int fd, EngineReport& report) {
    ssize_t n = 0;
    do {
        n = ::read(fd, &report, sizeof report);
    } while (n < 0 && errno == EINTR);
    return n == sizeof report && report.stage >= Stage::kReturned &&
           report.stage <= Stage::kNoOutput;
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

}  // namespace keldra::run
