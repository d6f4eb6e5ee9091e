#include "engine/fixed_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/decimal_text.h"

namespace keldra {

namespace {

constexpr int kMaxDigits = 30;  // significant digits an E or G field may ask for
static_assert(kMaxDigits <= kMaxSignificantDigits);
constexpr int kMaxZeroPadding = 19;  // In.m pads to at most this many digits

// E+xx, or +xxx when the exponent has three digits: a double's decimal
// exponent lies within +-324.
constexpr int kExponentWidth = 4;

unsigned long long Magnitude(long long value) {
    return value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                     : static_cast<unsigned long long>(value);
}

// The exponent part of an E field: E+xx, or +xxx where a third digit takes
// the letter's place.
void ExponentText(int exponent, char* text) {
    const int magnitude = std::abs(exponent);
    if (magnitude <= 99) *text++ = 'E';
    *text++ = exponent < 0 ? '-' : '+';
    (void)ExponentDigits(text, magnitude);
}

// The exponent of the E form 0.d1d2...: one above the scientific exponent,
// except for zero.
int FractionExponent(double magnitude, int digits, char* text) {
    const int exponent = SignificantDigits(magnitude, digits, text);
    return magnitude == 0.0 ? exponent : exponent + 1;
}

}  // namespace

void FixedLine::Append(std::string_view text) {
    const int room = kCapacity - length_;
    const int n = static_cast<int>(text.size()) < room ? static_cast<int>(text.size()) : room;
    if (n <= 0) return;  // an empty view may have no data pointer
    std::memcpy(buffer_ + length_, text.data(), static_cast<std::size_t>(n));
    length_ += n;
}

FixedLine& FixedLine::Fill(int n, char c) {
    const int room = kCapacity - length_;
    if (n > room) n = room;
    if (n <= 0) return *this;
    std::memset(buffer_ + length_, c, static_cast<std::size_t>(n));
    length_ += n;
    return *this;
}

char* FixedLine::Tail(std::size_t n, char* aside) {
    return kCapacity - length_ >= static_cast<int>(n) ? buffer_ + length_ : aside;
}

FixedLine& FixedLine::Commit(const char* out, const char* end, const char* aside) {
    if (out == aside) {
        Append({out, static_cast<std::size_t>(end - out)});
    } else {
        length_ += static_cast<int>(end - out);
    }
    return *this;
}

FixedLine& FixedLine::X(int n) {
    // The few blanks between fields: one fixed-size store, no call.
    static constexpr char kBlanks[] = "                ";
    constexpr int kFew = sizeof kBlanks - 1;
    if (n < 0 || n > kFew || kCapacity - length_ < kFew) return Fill(n, ' ');
    std::memcpy(buffer_ + length_, kBlanks, kFew);
    length_ += n;
    return *this;
}

FixedLine& FixedLine::Text(std::string_view text) {
    Append(text);
    return *this;
}

FixedLine& FixedLine::RightAligned(int w, const char* begin, const char* end) {
    const int n = static_cast<int>(end - begin);
    if (n > w) return Fill(w, '*');
    X(w - n);
    Append({begin, static_cast<std::size_t>(n)});
    return *this;
}

FixedLine& FixedLine::I(int w, long long value, int m) {
    char body[1 + kIntegerTextCapacity];
    char* start = body + 1;
    const char* end = IntegerText(start, Magnitude(value), m > 0 && m <= kMaxZeroPadding ? m : 1);
    if (value < 0) *--start = '-';
    return RightAligned(w, start, end);
}

FixedLine& FixedLine::F(int w, int d, double value) {
    if (!std::isfinite(value) || std::fabs(value) >= kFixedLimit) return Fill(w, '*');
    const int decimals = d < 0 ? 0 : d > kMaxFixedDecimals ? kMaxFixedDecimals : d;
    char body[1 + kFixedTextCapacity + 1];
    char* start = body + 1;
    char* end = FixedText(start, std::fabs(value), decimals);
    // Fixed point always shows the point, also with no decimals ("999.").
    if (decimals == 0) *end++ = '.';
    // A value that rounds to zero has no sign.
    const bool negative =
        value < 0.0 && std::find_if(start, end, [](char c) { return c != '0' && c != '.'; }) != end;
    // A leading zero before the point is dropped when the field has no room for it.
    const int width = static_cast<int>(end - start) + (negative ? 1 : 0);
    if (width > w && end - start > 1 && start[0] == '0' && start[1] == '.') ++start;
    if (negative) *--start = '-';
    return RightAligned(w, start, end);
}

FixedLine& FixedLine::E(int w, int d, double value) {
    if (!std::isfinite(value) || d < 1 || d > kMaxDigits) return Fill(w, '*');
    const bool negative = value < 0.0;
    const int bare = (negative ? 1 : 0) + 1 + d + kExponentWidth;  // without the leading zero
    if (bare > w) return Fill(w, '*');
    // The leading zero goes first when the field is short of room.
    const bool leading_zero = bare < w;
    X(w - bare - (leading_zero ? 1 : 0));
    char aside[2 + 1 + kMaxDigits + kExponentWidth];  // sign, "0.", digits, exponent
    char* const out = Tail(sizeof aside, aside);
    char* p = out;
    if (negative) *p++ = '-';
    if (leading_zero) *p++ = '0';
    *p++ = '.';
    const int exponent = FractionExponent(std::fabs(value), d, p);
    p += d;
    ExponentText(exponent, p);
    return Commit(out, p + kExponentWidth, aside);
}

FixedLine& FixedLine::G(int w, int d, double value) {
    if (!std::isfinite(value) || d < 1 || d > kMaxDigits) return Fill(w, '*');
    if (value == 0.0) {
        F(w - 4, d - 1, 0.0);
        return X(4);
    }
    char digits[kMaxDigits];
    const int exponent = FractionExponent(std::fabs(value), d, digits);
    // The rounded value decides: 0.1 <= |v| < 10^d means exponent 0 .. d.
    if (exponent < 0 || exponent > d) return E(w, d, value);
    F(w - 4, d - exponent, value);
    return X(4);
}

FixedLine& FixedLine::A(int n, std::string_view text) {
    if (static_cast<int>(text.size()) >= n) {
        Append(text.substr(0, static_cast<std::size_t>(n)));
    } else {
        X(n - static_cast<int>(text.size()));
        Append(text);
    }
    return *this;
}

FixedLine& FixedLine::Integer(long long value) {
    char body[1 + kIntegerTextCapacity];
    char* start = body + 1;
    const char* end = IntegerText(start, Magnitude(value));
    if (value < 0) *--start = '-';
    Append({start, static_cast<std::size_t>(end - start)});
    return *this;
}

FixedLine& FixedLine::Scientific(int d, double value) {
    const int decimals = d < 0 ? 0 : d >= kMaxSignificantDigits ? kMaxSignificantDigits - 1 : d;
    char aside[ScientificTextCapacity(kMaxSignificantDigits - 1)];
    char* const out = Tail(sizeof aside, aside);
    return Commit(out, ScientificText(out, value, decimals), aside);
}

void FixedLine::WriteTo(OutputFile& file) const { file.WriteLine(View()); }

void WriteEmptyLine(OutputFile& file) { file.WriteLine({}); }

}  // namespace keldra
