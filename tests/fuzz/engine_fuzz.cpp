// libFuzzer target: one whole engine run over each input taken as the project data file.
//
// The engine reads NAMES.dat from the current directory, then the project data file it names,
// and leaves its scratch files (TORVAL.001, SOILDATA) in the current directory. A private
// folder, made once per process, holds all of them and the report, plot-data and run-notes
// files; the run happens with that folder as the current directory, which is given back after
// every run so that libFuzzer's corpus and artifact paths keep their meaning.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "engine/driver.h"
#include "engine/state.h"
#include "tests/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const char* what) {
    std::perror(what);
    std::abort();
}

void WriteWhole(const fs::path& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) Fail(path.c_str());
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) Fail(path.c_str());
}

class Workspace {
  public:
    Workspace() {
        dir_ = keldra::testing::MakeScratchFolder("keldra-engine-fuzz");
        if (dir_.empty()) Fail("mkdtemp");
        std::string names = "2015.5.6\n";
        for (const char* extension : {".kd5d", ".kd5o", ".kd5p", ".kd5r"})
            names += (dir_ / "wall").string() + extension + "\n";
        WriteWhole(dir_ / "NAMES.dat", reinterpret_cast<const std::uint8_t*>(names.data()),
                   names.size());
    }
    ~Workspace() {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    void Run(const std::uint8_t* data, std::size_t size) const {
        WriteWhole(dir_ / "wall.kd5d", data, size);
        const int previous = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (previous < 0 || chdir(dir_.c_str()) != 0) Fail("chdir");
        // The record is zero when the library is loaded; every run starts from that state.
        keldra::ResetEngine();
        (void)keldra::Run(keldra::Engine());  // complete or not, the outputs are not read
        if (fchdir(previous) != 0) Fail("fchdir");
        close(previous);
    }

  private:
    fs::path dir_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Workspace workspace;
    workspace.Run(data, size);
    return 0;
}
