// Runs with generated p-y curves: a 400-increment wall in five soil layers
// (soft clay, stiff clay, sand below water, silt, weak rock), excavated in
// five construction stages, under a user earth-pressure table.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "engine/driver.h"
#include "engine/state.h"

namespace {

std::string StagedProject() {
    std::ostringstream p;
    constexpr int kStages = 5;
    for (int stage = 1; stage <= kStages; ++stage) {
        const double HFREE = 80.0 + 20.0 * stage;
        p << "Five-layer wall, stage " << stage << "\n"
          << "1 0 1 0 1 2 0 " << kStages << " 0 0\n"
          << "400 1 10 1E-5 " << HFREE << " 12\n"
          << "0 400 1 29000000000\n0\n0\n"
          << "2\n0 0\n"
          << HFREE << " " << 1.1 * HFREE << "\n"
          << HFREE << " 48 12 200 200 1 0 0\n0 0 0 0 0 0\n0\n5\n"
          << "1 130\n0.065 3 0 0.02 100 0\n0.065 4 0 0.02 100 0\n"
          << "3 180\n0.07 15 0 0.005 0 0\n0.07 18 0 0.005 0 0\n"
          << "4 260\n0.07 0 34 0 60 0\n0.07 0 36 0 60 0\n"
          << "5 330\n0.068 2 30 0.01 90 0\n0.068 3 31 0.01 90 0\n"
          << "7 600\n0.08 1000 0 0.0005 100000 50\n0.08 1200 0 0.0005 100000 50\n"
          << stage << "\n";
    }
    return p.str();
}

void BM_FiveStageFiveLayerRun(benchmark::State& state) {
    char pattern[] = "/tmp/keldra-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        state.SkipWithError("no scratch directory");
        return;
    }
    const std::filesystem::path dir = pattern;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    std::ofstream("wall.kd5d") << StagedProject();
    {
        std::ofstream names("NAMES.dat");
        names << "2015.5.6\n";
        for (const char* name : {"wall.kd5d", "wall.kd5o", "wall.kd5p", "wall.kd5r"}) {
            names << (dir / name).string() << "\n";
        }
    }
    auto engine = std::make_unique<keldra::EngineState>();
    for (auto _ : state) {
        *engine = keldra::EngineState{};
        keldra::Run(*engine);
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_FiveStageFiveLayerRun)->Unit(benchmark::kMillisecond);

}  // namespace
