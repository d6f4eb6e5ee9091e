// A text file the engine writes: the report, the plot data, the run notes and
// the scratch files. A full disk or a file-size limit shows at some write or
// only when the buffered rest goes out at the close; the file remembers the
// first failure so that a file cut short never passes for a complete one.
// After a failure nothing more is written to it. Writes to a file that is not
// open are dropped: a run whose plot-data file could not be created still
// writes its report.
#pragma once

#include <cstddef>
#include <string_view>

namespace keldra {

class OutputFile {
  public:
    // Text gathers in a block of this size and goes to the file when the
    // block is full and at the close.
    static constexpr std::size_t kBlockSize = 16 * 1024;

    OutputFile() = default;
    // Closes a file still open (a step that stopped early); its result is
    // then lost, so files whose completeness matters are closed with Close().
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Opens `path` for writing from its beginning (an existing file is
    // replaced). False, and the file counts as failed, when it cannot be. A
    // file still open is closed first, its result lost.
    [[nodiscard]] bool Open(const char* path);
    [[nodiscard]] bool is_open() const { return open_; }

    void Write(std::string_view text);
    void WriteLine(std::string_view text);  // the text and a line end
    [[gnu::format(printf, 2, 3)]] void Format(const char* format, ...);

    // Closes the file. True unless an open, a write or this close failed.
    [[nodiscard]] bool Close();

    // An open or a write has failed since the last Open: the file is incomplete.
    [[nodiscard]] bool failed() const { return failed_; }

  private:
    [[nodiscard]] bool Writable() const { return open_ && !failed_; }
    // Sends the gathered block to the file.
    void Flush();
    // Writes all of `text` to the file, however many writes it takes.
    void WriteThrough(std::string_view text);

    // The engine's state, files included, is reset by zeroing it: all-zero
    // bytes must mean "no file", so openness has its own flag.
    int descriptor_ = 0;
    bool open_ = false;
    bool failed_ = false;
    std::size_t used_ = 0;
    char block_[kBlockSize];
};

}  // namespace keldra
