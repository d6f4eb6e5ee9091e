#include "app/run/engine_library.h"

#include <filesystem>

namespace keldra::run {

std::string EngineLibraryPath() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return "libKeldraEngine.so";
    return (self.parent_path() / "libKeldraEngine.so").string();
}

}  // namespace keldra::run
