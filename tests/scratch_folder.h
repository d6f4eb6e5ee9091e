// A folder of its own for a test, under $TMPDIR (else /tmp), as the programs
// make theirs.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "tests/whole_files.h"

namespace keldra::testing {

// A new folder named `prefix` and six random characters; empty when it could not be made.
[[nodiscard]] inline std::filesystem::path MakeScratchFolder(std::string_view prefix) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/" +
                          std::string(prefix) + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return {};
    return pattern;
}

// A scratch folder removed with everything in it when the test ends.
class ScratchFolder {
  public:
    ScratchFolder() : path_(MakeScratchFolder("keldra-test")) {}
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    [[nodiscard]] std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace keldra::testing

namespace keldra::run {
using keldra::testing::ReadFile;
using keldra::testing::ScratchFolder;
using keldra::testing::WriteFile;
}  // namespace keldra::run
