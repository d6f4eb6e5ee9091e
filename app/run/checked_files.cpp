#include "app/run/checked_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

namespace keldra::run {

namespace fs = std::filesystem;

namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

std::error_code WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return LastError();
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Writes into the file just created as `fd` and closes it; removes it when
// anything failed. Not synced to the disk: outputs can be made again by a run,
// and a sync per file made batches of small projects wait on the disk.
std::error_code FillNewFile(int fd, const fs::path& path, std::string_view text) {
    std::error_code error = WriteAll(fd, text);
    if (::close(fd) != 0 && !error) error = LastError();
    if (error) ::unlink(path.c_str());
    return error;
}

int CreateExclusive(const fs::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

std::string RandomSuffix() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix(8, ' ');
    for (char& c : suffix) c = kLetters[pick(generator)];
    return suffix;
}

}  // namespace

std::error_code ReadWholeFile(const fs::path& path, std::string& text) {
    // Opened without waiting, so that a FIFO in the file's place cannot hang the caller.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return LastError();
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::make_error_code(std::errc::invalid_argument);
    }
    text.clear();
    char buffer[65536];
    std::error_code error;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = LastError();
        if (n <= 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return error;
}

std::error_code WriteNewFile(const fs::path& path, std::string_view text) {
    const int fd = CreateExclusive(path);
    if (fd < 0) return LastError();
    return FillNewFile(fd, path, text);
}

std::error_code WriteTemporaryFile(const fs::path& folder, std::string_view text,
                                   fs::path& created) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path path = folder / (".keldra-" + RandomSuffix() + ".tmp");
        const int fd = CreateExclusive(path);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return LastError();
        created = path;
        return FillNewFile(fd, path, text);
    }
    return std::make_error_code(std::errc::file_exists);
}

}  // namespace keldra::run
