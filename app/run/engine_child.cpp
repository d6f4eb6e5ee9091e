#include "app/run/engine_child.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace keldra::run {

namespace {

namespace fs = std::filesystem;

// A child that ends without telling its parent did not come back from the
// entry.
[[noreturn]] void Tell(int pipe, const EngineReport& report) {
    const bool told = ::write(pipe, &report, sizeof report) == sizeof report;
    _exit(told ? 0 : 1);
}

[[noreturn]] void RunChild(const fs::path& folder, const std::string& library, int pipe,
                           const sigset_t& signal_mask, EngineOutput output) {
    if (!PrepareEngineProcess(signal_mask, output)) Tell(pipe, {Stage::kNoOutput});
    Tell(pipe, CallEngine(folder, library));
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
    EngineReport report;
    const bool told = ReadReport(child.report_pipe, report);
    ::close(child.report_pipe);
    child.report_pipe = -1;
    return told ? DescribeReport(report) : DescribeEnd(wait_status);
}

}  // namespace keldra::run
