// Free-format reading of the project data file and the scratch files.
//
// Every read starts at the beginning of a new line, takes its values from as
// many lines as it needs (blanks, tabs, commas, CR and LF separate values) and
// skips whatever is left on the last line it used. Integers are written
// without a decimal point; reals accept integer-looking values. A value that
// is not a number, or the end of the file before the read is complete, fails
// the read; the reader then keeps the failure (with the line number) and every
// later read fails at once, so a caller may check after a whole group.
#pragma once

#include <cstdio>
#include <string_view>

namespace keldra {

enum class ReadFailure { kNone, kNotANumber, kEndOfFile };

class FreeFormatReader {
  public:
    // `name` is the file's name in messages (not owned; must outlive the
    // reader). The reader reads ahead a block at a time: nothing else reads
    // the file while it is in use.
    FreeFormatReader(std::FILE* file, const char* name);

    // One read of the values given, in order: int& or double& arguments.
    template <typename... Values>
    [[nodiscard]] bool Read(Values&... values) {
        StartRead();
        return (Value(values) && ...);
    }

    // One read of a whole line as text: its first `width` characters, padded
    // with blanks, without the line end; `text` holds width + 1 characters.
    [[nodiscard]] bool ReadLine(char* text, int width);

    [[nodiscard]] bool failed() const { return failure_ != ReadFailure::kNone; }
    [[nodiscard]] ReadFailure failure() const { return failure_; }
    // Line (from 1) of the value that failed, or where the file ended.
    [[nodiscard]] int failure_line() const { return failure_line_; }
    [[nodiscard]] const char* name() const { return name_; }

  private:
    static constexpr int kTokenCapacity = 64;
    static constexpr int kBlockSize = 16 * 1024;  // the file is read a block at a time

    void StartRead();
    [[nodiscard]] bool Value(int& value);
    [[nodiscard]] bool Value(double& value);
    // The next value's text in `token` (kTokenCapacity + 1 chars); empty at
    // the end of the file.
    [[nodiscard]] std::string_view NextToken(char* token, int& token_line);
    // The next block of the file; false at its end.
    [[nodiscard]] bool Refill();
    int Get();
    bool Fail(ReadFailure failure, int line);

    std::FILE* file_;
    const char* name_;
    int line_ = 1;               // line of the next character
    bool at_line_start_ = true;  // nothing of the current line consumed yet
    ReadFailure failure_ = ReadFailure::kNone;
    int failure_line_ = 0;
    int next_ = 0, end_ = 0;  // the unread part of block_
    char block_[kBlockSize];
};

}  // namespace keldra
