#include "engine/free_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace keldra {

namespace {

bool IsSeparator(int c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits, sign, point and exponent letters only: a general number parser
// would also take hexadecimal numbers, "inf" and "nan". The double-precision
// exponent letter (1.5D3) becomes E on the way.
bool MakeNumeric(char* token, std::size_t size) {
    for (std::size_t k = 0; k < size; ++k) {
        const char c = token[k];
        if (IsDigit(c) || c == '.' || c == 'E' || c == 'e' || c == '-' || c == '+') continue;
        if (c != 'd' && c != 'D') return false;
        token[k] = 'E';
    }
    return true;
}

// A real out of the double range: a value beyond the largest fails, one
// below the smallest subnormal reads as zero.
bool ParseOutOfRange(const char* token, double& value) {
    char* end = nullptr;
    value = std::strtod(token, &end);
    return *end == '\0' && std::isfinite(value);
}

}  // namespace

FreeFormatReader::FreeFormatReader(std::FILE* file, const char* name) : file_(file), name_(name) {}

bool FreeFormatReader::Refill() {
    next_ = 0;
    end_ = static_cast<int>(std::fread(block_, 1, sizeof block_, file_));
    return end_ > 0;
}

int FreeFormatReader::Get() {
    if (next_ == end_ && !Refill()) return EOF;
    const unsigned char c = static_cast<unsigned char>(block_[next_++]);
    at_line_start_ = c == '\n';
    if (at_line_start_) ++line_;
    return c;
}

bool FreeFormatReader::Fail(ReadFailure failure, int line) {
    if (failure_ == ReadFailure::kNone) {
        failure_ = failure;
        failure_line_ = line;
    }
    return false;
}

void FreeFormatReader::StartRead() {
    if (failed() || at_line_start_) return;
    int c = 0;
    do {
        c = Get();
    } while (c != '\n' && c != EOF);
}

std::string_view FreeFormatReader::NextToken(char* token, int& token_line) {
    // The separators before the value, a block at a time.
    for (;;) {
        if (next_ == end_ && !Refill()) return {};
        int k = next_;
        while (k < end_ && IsSeparator(block_[k])) {
            if (block_[k] == '\n') ++line_;
            ++k;
        }
        if (k > next_) at_line_start_ = block_[k - 1] == '\n';
        next_ = k;
        if (k < end_) break;
    }
    token_line = line_;
    at_line_start_ = false;
    // The value and the separator after it. An over-long value cannot be a
    // number; its start is kept only.
    int n = 0;
    for (;;) {
        int k = next_;
        while (k < end_ && !IsSeparator(block_[k])) {
            if (n < kTokenCapacity) token[n++] = block_[k];
            ++k;
        }
        next_ = k;
        if (k < end_) {
            (void)Get();
            break;
        }
        if (!Refill()) break;
    }
    token[n] = '\0';
    if (n >= kTokenCapacity) token[0] = 'x';
    return {token, static_cast<std::size_t>(n)};
}

bool FreeFormatReader::Value(int& value) {
    if (failed()) return false;
    char buffer[kTokenCapacity + 1];
    int token_line = 0;
    const std::string_view token = NextToken(buffer, token_line);
    if (token.empty()) return Fail(ReadFailure::kEndOfFile, line_);
    std::string_view digits = token;
    const bool plus = digits.front() == '+';
    if (plus || digits.front() == '-') digits.remove_prefix(1);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit)) {
        return Fail(ReadFailure::kNotANumber, token_line);
    }
    const char* end = token.data() + token.size();
    const auto [stop, error] = std::from_chars(token.data() + (plus ? 1 : 0), end, value);
    if (error != std::errc() || stop != end) return Fail(ReadFailure::kNotANumber, token_line);
    return true;
}

bool FreeFormatReader::Value(double& value) {
    if (failed()) return false;
    char buffer[kTokenCapacity + 1];
    int token_line = 0;
    const std::string_view token = NextToken(buffer, token_line);
    if (token.empty()) return Fail(ReadFailure::kEndOfFile, line_);
    if (!MakeNumeric(buffer, token.size())) return Fail(ReadFailure::kNotANumber, token_line);
    // A plus sign is taken before a digit or point only ("+-1" is no number).
    const bool plus = token.size() > 1 && token[0] == '+' && token[1] != '+' && token[1] != '-';
    const char* end = token.data() + token.size();
    double parsed = 0.0;
    const auto [stop, error] = std::from_chars(token.data() + (plus ? 1 : 0), end, parsed);
    const bool valid = error == std::errc::result_out_of_range
                           ? ParseOutOfRange(buffer, parsed)
                           : error == std::errc() && stop == end && std::isfinite(parsed);
    if (!valid) return Fail(ReadFailure::kNotANumber, token_line);
    value = parsed;
    return true;
}

bool FreeFormatReader::ReadLine(char* text, int width) {
    std::memset(text, ' ', static_cast<std::size_t>(width));
    text[width] = '\0';
    if (failed()) return false;
    StartRead();
    int c = Get();
    if (c == EOF) return Fail(ReadFailure::kEndOfFile, line_);
    int n = 0;
    while (c != '\n' && c != EOF) {
        if (n < width && c != '\r') text[n++] = static_cast<char>(c);
        c = Get();
    }
    // The last line of a file may lack its line end; the next read starts after it.
    at_line_start_ = true;
    return true;
}

}  // namespace keldra
