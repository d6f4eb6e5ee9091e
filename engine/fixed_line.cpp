#include "engine/fixed_line.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace keldra {

namespace {

constexpr int kMaxDigits = 30;  // significant digits an E or G field may ask for

// Writes |value| rounded to `digits` significant digits as the mantissa digits
// and the decimal exponent of 0.d1d2...dn x 10^exponent. Rounding carries
// (0.9996 to three digits is 0.100 x 10^1) come out of the conversion itself.
void SignificantDigits(double magnitude, int digits, char* out, int& exponent) {
    if (magnitude == 0.0) {
        std::memset(out, '0', static_cast<std::size_t>(digits));
        out[digits] = '\0';
        exponent = 0;
        return;
    }
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, magnitude);
    // scientific = "d.ddde+xx"
    int n = 0;
    for (const char* c = scientific; *c != 'e'; ++c) {
        if (*c != '.') out[n++] = *c;
    }
    out[n] = '\0';
    exponent = std::atoi(std::strchr(scientific, 'e') + 1) + 1;
}

bool IsNegative(double value, const char* digits) {
    return value < 0.0 && std::strspn(digits, "0.") != std::strlen(digits);
}

}  // namespace

void FixedLine::Append(std::string_view text) {
    const int room = kCapacity - length_;
    const int n = static_cast<int>(text.size()) < room ? static_cast<int>(text.size()) : room;
    if (n <= 0) return;  // an empty view may have no data pointer
    std::memcpy(buffer_ + length_, text.data(), static_cast<std::size_t>(n));
    length_ += n;
    buffer_[length_] = '\0';
}

void FixedLine::Stars(int w) {
    for (int k = 0; k < w; ++k) Append("*");
}

FixedLine& FixedLine::X(int n) {
    for (int k = 0; k < n; ++k) Append(" ");
    return *this;
}

FixedLine& FixedLine::Text(std::string_view text) {
    Append(text);
    return *this;
}

FixedLine& FixedLine::I(int w, long long value, int m) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%0*llu", m > 0 && m < 20 ? m : 1,
                  value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                            : static_cast<unsigned long long>(value));
    const int width = static_cast<int>(std::strlen(digits)) + (value < 0 ? 1 : 0);
    if (width > w) {
        Stars(w);
        return *this;
    }
    X(w - width);
    if (value < 0) Append("-");
    Append(digits);
    return *this;
}

FixedLine& FixedLine::F(int w, int d, double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 1e300) {
        Stars(w);
        return *this;
    }
    // Fixed point always shows the point, also with no decimals ("999.").
    char digits[400];
    std::snprintf(digits, sizeof digits, "%#.*f", d < 0 ? 0 : d > 40 ? 40 : d, std::fabs(value));
    const bool negative = IsNegative(value, digits);
    std::string_view text = digits;
    int width = static_cast<int>(text.size()) + (negative ? 1 : 0);
    // A leading zero before the point is dropped when the field has no room for it.
    if (width > w && text.size() > 1 && text[0] == '0' && text[1] == '.') {
        text.remove_prefix(1);
        --width;
    }
    if (width > w) {
        Stars(w);
        return *this;
    }
    X(w - width);
    if (negative) Append("-");
    Append(text);
    return *this;
}

FixedLine& FixedLine::E(int w, int d, double value) {
    if (!std::isfinite(value) || d < 1 || d > kMaxDigits) {
        Stars(w);
        return *this;
    }
    char digits[64];
    int exponent = 0;
    SignificantDigits(std::fabs(value), d, digits, exponent);
    const bool negative = value < 0.0;
    // Exponents beyond two digits drop the letter E, as in +100; beyond three
    // digits the value has no form.
    char exponent_text[8];
    const int magnitude = std::abs(exponent);
    if (magnitude <= 99) {
        std::snprintf(exponent_text, sizeof exponent_text, "E%c%02d", exponent < 0 ? '-' : '+',
                      magnitude);
    } else if (magnitude <= 999) {
        std::snprintf(exponent_text, sizeof exponent_text, "%c%03d", exponent < 0 ? '-' : '+',
                      magnitude);
    } else {
        Stars(w);
        return *this;
    }
    const int body = 1 + d + static_cast<int>(std::strlen(exponent_text)) + (negative ? 1 : 0);
    const bool leading_zero = body + 1 <= w;
    if (body > w) {
        Stars(w);
        return *this;
    }
    X(w - body - (leading_zero ? 1 : 0));
    if (negative) Append("-");
    Append(leading_zero ? "0." : ".");
    Append(digits);
    Append(exponent_text);
    return *this;
}

FixedLine& FixedLine::G(int w, int d, double value) {
    if (!std::isfinite(value) || d < 1 || d > kMaxDigits) {
        Stars(w);
        return *this;
    }
    if (value == 0.0) {
        F(w - 4, d - 1, 0.0);
        return X(4);
    }
    char digits[64];
    int exponent = 0;
    SignificantDigits(std::fabs(value), d, digits, exponent);
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

void FixedLine::WriteTo(OutputFile& file) const { file.WriteLine(View()); }

void WriteEmptyLine(OutputFile& file) { file.WriteLine({}); }

}  // namespace keldra
