// A private folder for one engine run: created with a unique name and mode
// 0700 under a base folder, and removed with everything in it when the
// object goes, unless it is kept.
#pragma once

#include <filesystem>
#include <string>

namespace keldra::run {

class RunFolder {
  public:
    RunFolder() = default;
    ~RunFolder();
    RunFolder(RunFolder&& other) noexcept;
    RunFolder& operator=(RunFolder&& other) noexcept;
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    // Creates keldra-run-XXXXXX under `base`. On failure the folder's path
    // stays empty and `error` says why.
    [[nodiscard]] static RunFolder Create(const std::filesystem::path& base, std::string& error);

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    void Keep() { keep_ = true; }

  private:
    void Remove();

    std::filesystem::path path_;
    bool keep_ = false;
};

// Where run folders are made: $TMPDIR when it is set, else /dev/shm (memory)
// when it can be written, else /tmp.
[[nodiscard]] std::filesystem::path TemporaryBase();

}  // namespace keldra::run
