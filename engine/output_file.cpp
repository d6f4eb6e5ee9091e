#include "engine/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

namespace keldra {

OutputFile::~OutputFile() { (void)Close(); }

bool OutputFile::Open(const char* path) {
    (void)Close();
    descriptor_ = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    open_ = descriptor_ >= 0;
    failed_ = !open_;
    used_ = 0;
    return open_;
}

void OutputFile::WriteThrough(std::string_view text) {
    while (!text.empty() && !failed_) {
        const ssize_t written = ::write(descriptor_, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            failed_ = true;
        } else {
            text.remove_prefix(static_cast<std::size_t>(written));
        }
    }
}

void OutputFile::Flush() {
    WriteThrough({block_, used_});
    used_ = 0;
}

void OutputFile::Write(std::string_view text) {
    if (!Writable() || text.empty()) return;
    if (text.size() > kBlockSize - used_) Flush();
    if (text.size() >= kBlockSize) return WriteThrough(text);
    if (failed_) return;
    std::memcpy(block_ + used_, text.data(), text.size());
    used_ += text.size();
}

void OutputFile::WriteLine(std::string_view text) {
    if (Writable() && text.size() < kBlockSize - used_) {  // the common case: one copy
        if (!text.empty()) std::memcpy(block_ + used_, text.data(), text.size());
        used_ += text.size();
        block_[used_++] = '\n';
        return;
    }
    Write(text);
    Write("\n");
}

void OutputFile::Format(const char* format, ...) {
    if (!Writable()) return;
    std::va_list values;
    va_start(values, format);
    std::va_list again;
    va_copy(again, values);
    const int length = std::vsnprintf(nullptr, 0, format, values);
    if (length < 0) {
        failed_ = true;
    } else {
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        std::vsnprintf(text.data(), text.size(), format, again);
        text.pop_back();
        Write(text);
    }
    va_end(again);
    va_end(values);
}

bool OutputFile::Close() {
    if (open_) {
        if (!failed_) Flush();
        if (::close(descriptor_) != 0) failed_ = true;
        open_ = false;
        used_ = 0;
    }
    return !failed_;
}

}  // namespace keldra
