// Whole engine runs as the desktop program makes them: load
// libKeldraEngine.so, call IKELDRA(6) on a names file in the current
// directory, unload. The run directory is memory-backed (/dev/shm) when the
// machine has one, so the figures show the engine rather than the disk.
// A yardstick of plain C formatting runs beside them, so that a run's time
// can be read against it from one and the same session.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <keldra/ikeldra.h>
#include <keldra/version.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/run/engine_names.h"

namespace {

namespace fs = std::filesystem;

fs::path LibraryPath() {
    return fs::read_symlink("/proc/self/exe").parent_path() / "libKeldraEngine.so";
}

// A directory with the project as wall.kd5d and NAMES.dat naming it.
class RunDirectory {
  public:
    explicit RunDirectory(const std::string& project) {
        std::string pattern = fs::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        pattern += "/keldra-bench-XXXXXX";
        dir_ = mkdtemp(pattern.data());
        std::ofstream(dir_ / "wall.kd5d", std::ios::binary) << project;
        std::ofstream names(dir_ / keldra::run::kNamesFile);
        names << keldra::kVersion << "\n";
        for (const char* ext : {".kd5d", ".kd5o", ".kd5p", ".kd5r"})
            names << (dir_ / ("wall" + std::string(ext))).string() << "\n";
    }
    ~RunDirectory() { fs::remove_all(dir_); }
    RunDirectory(const RunDirectory&) = delete;
    RunDirectory& operator=(const RunDirectory&) = delete;
    const fs::path& path() const { return dir_; }

  private:
    fs::path dir_;
};

void RunProject(benchmark::State& state, const std::string& project) {
    RunDirectory dir(project);
    const fs::path cwd = fs::current_path();
    fs::current_path(dir.path());
    const std::string library = LibraryPath().string();
    for (auto _ : state) {
        void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            state.SkipWithError(dlerror());
            break;
        }
        auto entry = reinterpret_cast<keldra::entry::Function>(dlsym(handle, keldra::entry::kName));
        benchmark::DoNotOptimize(entry(keldra::entry::kInterfaceVersion));
        dlclose(handle);
    }
    fs::current_path(cwd);
}

std::string ReadExample(const std::string& name) {
    std::ifstream in(std::string(KELDRA_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A 400-increment cantilever (English units) with a user pressure table and
// 60 user p-y curves, joined from the excavation at station 100 to the tip.
std::string LongWallWithSixtyCurves() {
    std::ostringstream p;
    const int increments = 400, curves = 60, first = 100;
    p << "Long wall, 60 user p-y curves\r\n";
    p << "1 0\t1\t0\t1\t1 " << curves << " 1 0 0\r\n";
    p << increments << " 1.5\t10\t1E-5\t150\t12\r\n";
    p << "0\t" << increments << "\t1\t5.3E9\r\n0\r\n0\r\n";
    p << "2\r\n0\t0\r\n150\t40\r\n";
    for (int k = 0; k < curves; ++k) {
        const int station = first + k * (increments - first) / (curves - 1);
        const double pult = 20.0 + 40.0 * k;
        p << station << "\t9\t1\t1\r\n";
        const double y[] = {-3, -1, -0.3, -0.1, 0, 0.1, 0.3, 1, 3};
        const double f[] = {1.0, 0.9, 0.6, 0.3, 0, -0.3, -0.6, -0.9, -1.0};
        for (int m = 0; m < 9; ++m) p << y[m] << "\t" << pult * f[m] << "\r\n";
    }
    p << "0\r\n";
    return p.str();
}

void BM_LongWallSixtyCurves(benchmark::State& state) {
    RunProject(state, LongWallWithSixtyCurves());
}
BENCHMARK(BM_LongWallSixtyCurves)->Unit(benchmark::kMillisecond);

// The yardstick the runs are measured against: 63,000 numbers formatted one
// by one with snprintf("%12.3E") and written to a file in the same kind of
// folder, six to a line, as plain C formatting would do it.
void BM_SnprintfYardstick(benchmark::State& state) {
    constexpr int kNumbers = 63000, kPerLine = 6;
    std::vector<double> values(kNumbers);
    for (int k = 0; k < kNumbers; ++k) {
        values[k] = (k % 2 == 0 ? 1.0 : -1.0) * std::pow(10.0, k % 13 - 6) * (1.0 + k * 1e-5);
    }
    RunDirectory dir("");
    const std::string path = (dir.path() / "yardstick.txt").string();
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "w");
        if (file == nullptr) {
            state.SkipWithError("cannot create the yardstick file");
            break;
        }
        char text[32];
        for (int k = 0; k < kNumbers; ++k) {
            const int n = std::snprintf(text, sizeof text, "%12.3E", values[k]);
            std::fwrite(text, 1, static_cast<std::size_t>(n), file);
            if (k % kPerLine == kPerLine - 1) std::fputc('\n', file);
        }
        benchmark::DoNotOptimize(std::fclose(file));
    }
}
BENCHMARK(BM_SnprintfYardstick)->Unit(benchmark::kMillisecond);

// A batch as a user runs one: keldra-run --jobs 2 over 100 copies of
// sand_generated.kd5d, its summary and the engine's progress lines sent to
// /dev/null. The figure is projects a second (items_per_second, wall time).
constexpr int kBatchProjects = 100;

class ProjectCopies {
  public:
    ProjectCopies(const fs::path& base, const std::string& project) {
        std::string pattern = (base / "keldra-bench-batch-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        for (int k = 0; k < kBatchProjects; ++k) {
            paths_.push_back((dir_ / ("p" + std::to_string(k) + ".kd5d")).string());
            std::ofstream(paths_.back(), std::ios::binary) << project;
        }
    }
    ~ProjectCopies() { fs::remove_all(dir_); }
    ProjectCopies(const ProjectCopies&) = delete;
    ProjectCopies& operator=(const ProjectCopies&) = delete;
    const std::vector<std::string>& paths() const { return paths_; }

  private:
    fs::path dir_;
    std::vector<std::string> paths_;
};

// Runs keldra-run with `arguments`; its exit status, or -1.
int RunRunner(std::vector<std::string> arguments) {
    const std::string runner = (LibraryPath().parent_path() / "keldra-run").string();
    arguments.insert(arguments.begin(), runner);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, runner.c_str(), &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

void RunBatch(benchmark::State& state, const fs::path& base, bool subdivision_check) {
    const ProjectCopies copies(base, ReadExample("sand_generated.kd5d"));
    std::vector<std::string> arguments{"--jobs", "2"};
    if (!subdivision_check) arguments.push_back("--no-subdivision-check");
    arguments.insert(arguments.end(), copies.paths().begin(), copies.paths().end());
    for (auto _ : state) {
        if (const int status = RunRunner(arguments); status != 0) {
            state.SkipWithError(("keldra-run exited with " + std::to_string(status)).c_str());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kBatchProjects);
}

// The projects in memory (/dev/shm) or on the disk (the folder of the build).
fs::path MemoryFolder() { return fs::is_directory("/dev/shm") ? "/dev/shm" : "/tmp"; }
fs::path DiskFolder() { return LibraryPath().parent_path(); }

void RegisterBatches() {
    const struct {
        const char* name;
        fs::path (*base)();
        bool subdivision_check;
    } batches[] = {
        {"keldra-run/100 projects in memory", MemoryFolder, false},
        {"keldra-run/100 projects on disk", DiskFolder, false},
        {"keldra-run/100 projects in memory, subdivision check", MemoryFolder, true},
    };
    for (const auto& batch : batches)
        benchmark::RegisterBenchmark(batch.name,
                                     [batch](benchmark::State& state) {
                                         RunBatch(state, batch.base(), batch.subdivision_check);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
}

void RegisterExamples() {
    const fs::path examples = fs::path(KELDRA_SOURCE_DIR) / "examples";
    if (!fs::is_directory(examples)) return;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".kd5d") continue;
        const std::string name = entry.path().filename().string();
        benchmark::RegisterBenchmark(("example/" + name).c_str(), [name](benchmark::State& state) {
            RunProject(state, ReadExample(name));
        })->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    RegisterExamples();
    RegisterBatches();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
