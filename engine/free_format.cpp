#include "engine/free_format.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace keldra {

namespace {

bool IsSeparator(int c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

// Digits, sign, point and exponent letters only: strtod alone would also take
// hexadecimal numbers, "inf" and "nan".
bool LooksNumeric(const char* token) {
    return std::strspn(token, "0123456789+-.eEdD") == std::strlen(token);
}

}  // namespace

FreeFormatReader::FreeFormatReader(std::FILE* file, const char* name) : file_(file), name_(name) {}

int FreeFormatReader::Get() {
    const int c = std::fgetc(file_);
    if (c == '\n') {
        ++line_;
        at_line_start_ = true;
    } else if (c != EOF) {
        at_line_start_ = false;
    }
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

bool FreeFormatReader::NextToken(char* token, int& token_line) {
    int c = Get();
    while (c != EOF && IsSeparator(c)) c = Get();
    if (c == EOF) return false;
    token_line = line_;
    int n = 0;
    while (c != EOF && !IsSeparator(c)) {
        // An over-long token cannot be a number; keep its start only.
        if (n < kTokenCapacity) token[n++] = static_cast<char>(c);
        c = Get();
    }
    token[n < kTokenCapacity ? n : kTokenCapacity] = '\0';
    if (n >= kTokenCapacity) token[0] = 'x';
    return true;
}

bool FreeFormatReader::Value(int& value) {
    if (failed()) return false;
    char token[kTokenCapacity + 1];
    int token_line = 0;
    if (!NextToken(token, token_line)) return Fail(ReadFailure::kEndOfFile, line_);
    const char* digits = token + (token[0] == '+' || token[0] == '-' ? 1 : 0);
    if (*digits == '\0' || std::strspn(digits, "0123456789") != std::strlen(digits)) {
        return Fail(ReadFailure::kNotANumber, token_line);
    }
    errno = 0;
    const long long parsed = std::strtoll(token, nullptr, 10);
    if (errno != 0 || parsed < INT_MIN || parsed > INT_MAX) {
        return Fail(ReadFailure::kNotANumber, token_line);
    }
    value = static_cast<int>(parsed);
    return true;
}

bool FreeFormatReader::Value(double& value) {
    if (failed()) return false;
    char token[kTokenCapacity + 1];
    int token_line = 0;
    if (!NextToken(token, token_line)) return Fail(ReadFailure::kEndOfFile, line_);
    if (!LooksNumeric(token)) return Fail(ReadFailure::kNotANumber, token_line);
    for (char* c = token; *c != '\0'; ++c) {
        if (*c == 'd' || *c == 'D') *c = 'E';  // 1.5D3, the double-precision exponent
    }
    char* end = nullptr;
    const double parsed = std::strtod(token, &end);
    if (end == token || *end != '\0' || !std::isfinite(parsed)) {
        return Fail(ReadFailure::kNotANumber, token_line);
    }
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
