#include "engine/output_file.h"

#include <cstdarg>

namespace keldra {

OutputFile::~OutputFile() {
    if (file_ != nullptr) std::fclose(file_);
}

bool OutputFile::Open(const char* path) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = std::fopen(path, "w");
    failed_ = file_ == nullptr;
    return !failed_;
}

void OutputFile::Write(std::string_view text) {
    if (!Writable() || text.empty()) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
}

void OutputFile::WriteLine(std::string_view text) {
    Write(text);
    Write("\n");
}

void OutputFile::Format(const char* format, ...) {
    if (!Writable()) return;
    std::va_list values;
    va_start(values, format);
    if (std::vfprintf(file_, format, values) < 0) failed_ = true;
    va_end(values);
}

bool OutputFile::Close() {
    if (file_ != nullptr) {
        if (std::ferror(file_) != 0) failed_ = true;
        if (std::fclose(file_) != 0) failed_ = true;
        file_ = nullptr;
    }
    return !failed_;
}

}  // namespace keldra
