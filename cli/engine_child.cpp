#include "cli/engine_child.h"

#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace keldra::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kVersion = "2015.5.6";
constexpr std::int32_t kInterfaceVersion = 6;

// Exit codes of the child besides the entry's own result.
constexpr int kNoScratchDirectory = 10;
constexpr int kNoLibrary = 11;
constexpr int kNoEntry = 12;

[[noreturn]] void RunChild(const std::string& scratch, const std::string& library) {
    if (chdir(scratch.c_str()) != 0) _exit(kNoScratchDirectory);
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        std::fprintf(stderr, "keldra-run: %s\n", dlerror());
        _exit(kNoLibrary);
    }
    using Entry = std::int32_t (*)(std::int32_t);
    auto entry = reinterpret_cast<Entry>(dlsym(handle, "IKELDRA"));
    if (entry == nullptr) _exit(kNoEntry);
    const std::int32_t result = entry(kInterfaceVersion);
    dlclose(handle);
    std::fflush(nullptr);
    _exit(result == 0 ? 0 : 1);
}

std::string TempDirectory() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
}

}  // namespace

ProjectFiles FilesFor(const std::string& project) {
    const fs::path path = fs::absolute(project).lexically_normal();
    fs::path stem = path;
    auto with = [&](const char* extension) {
        return fs::path(stem).replace_extension(extension).string();
    };
    return {path.string(), with(".kd5o"), with(".kd5p"), with(".kd5r")};
}

std::string EngineLibraryPath() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return "libKeldraEngine.so";
    return (self.parent_path() / "libKeldraEngine.so").string();
}

EngineRun StartEngineRun(const ProjectFiles& files, const std::string& library) {
    EngineRun run;
    std::string pattern = TempDirectory() + "/keldra-run-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        run.error =
            "cannot create a scratch directory in " + TempDirectory() + ": " + std::strerror(errno);
        return run;
    }
    run.scratch = pattern;
    {
        std::ofstream names(run.scratch + "/NAMES.dat");
        names << kVersion << '\n'
              << files.project << '\n'
              << files.report << '\n'
              << files.plot << '\n'
              << files.notes << '\n';
        if (!names) {
            run.error = "cannot write the names file in " + run.scratch;
            return run;
        }
    }
    std::fflush(nullptr);
    run.pid = fork();
    if (run.pid == 0) RunChild(run.scratch, library);
    if (run.pid < 0) run.error = std::string("cannot start the engine: ") + std::strerror(errno);
    return run;
}

std::string DescribeExit(int wait_status) {
    if (WIFSIGNALED(wait_status)) {
        return std::string("the engine ended on signal ") + strsignal(WTERMSIG(wait_status));
    }
    switch (WEXITSTATUS(wait_status)) {
        case 0:
            return {};
        case kNoScratchDirectory:
            return "the engine could not enter its scratch directory";
        case kNoLibrary:
            return "libKeldraEngine.so could not be loaded";
        case kNoEntry:
            return "libKeldraEngine.so has no entry IKELDRA";
        default:
            return "the engine and this runner do not belong together (IKELDRA returned 1)";
    }
}

}  // namespace keldra::cli
