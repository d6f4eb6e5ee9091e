#include "app/run/run_folder.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace keldra::run {

namespace fs = std::filesystem;

RunFolder::~RunFolder() { Remove(); }

RunFolder::RunFolder(RunFolder&& other) noexcept
    : path_(std::exchange(other.path_, {})), keep_(other.keep_) {}

RunFolder& RunFolder::operator=(RunFolder&& other) noexcept {
    if (this != &other) {
        Remove();
        path_ = std::exchange(other.path_, {});
        keep_ = other.keep_;
    }
    return *this;
}

RunFolder RunFolder::Create(const fs::path& base, std::string& error) {
    std::string pattern = (base / "keldra-run-XXXXXX").string();
    RunFolder folder;
    if (mkdtemp(pattern.data()) == nullptr) {
        error = "cannot create a run folder in " + base.string() + ": " + std::strerror(errno);
        return folder;
    }
    folder.path_ = pattern;
    return folder;
}

void RunFolder::Remove() {
    if (path_.empty() || keep_) return;
    std::error_code ignored;  // a folder that cannot be removed stays in the temporary folder
    fs::remove_all(path_, ignored);
    path_.clear();
}

fs::path TemporaryBase() {
    const char* tmp = std::getenv("TMPDIR");
    std::error_code error;
    if (tmp == nullptr || *tmp == '\0') {
        // A run folder lives for milliseconds: in memory it costs no disk work.
        return ::access("/dev/shm", W_OK | X_OK) == 0 && fs::is_directory("/dev/shm", error)
                   ? fs::path("/dev/shm")
                   : fs::path("/tmp");
    }
    const fs::path base = tmp;
    const fs::path absolute = fs::absolute(base, error);
    return error ? base : absolute;
}

}  // namespace keldra::run
