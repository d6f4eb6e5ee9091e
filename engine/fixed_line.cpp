#include "engine/fixed_line.h"

#include <cmath>
#include <cstring>

#include "engine/decimal_text.h"

namespace keldra {

namespace {

constexpr int kMaxDigits = 30;  // significant digits an E or G field may ask for
static_assert(kMaxDigits <= kMaxSignificantDigits);
constexpr int kMaxZeroPadding = 19;  // In.m pads to at most this many digits

constexpr int kExponentWidth = 4;  // E+xx, or +xxx when the exponent has three digits
constexpr int kMaxExponent = 999;

unsigned long long Magnitude(long long value) {
    return value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                     : static_cast<unsigned long long>(value);
}

// The exponent part of an E field.
void ExponentText(int exponent, char* text) {
    const int magnitude = std::abs(exponent);
    const char sign = exponent < 0 ? '-' : '+';
    if (magnitude <= 99) {
        text[0] = 'E';
        text[1] = sign;
        (void)IntegerText(text + 2, static_cast<unsigned>(magnitude), 2);
    } else {
        text[0] = sign;
        (void)IntegerText(text + 1, static_cast<unsigned>(magnitude), 3);
    }
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

FixedLine& FixedLine::X(int n) { return Fill(n, ' '); }

FixedLine& FixedLine::Text(std::string_view text) {
    Append(text);
    return *this;
}

FixedLine& FixedLine::I(int w, long long value, int m) {
    char digits[kIntegerTextCapacity];
    const char* end = IntegerText(digits, Magnitude(value), m > 0 && m <= kMaxZeroPadding ? m : 1);
    const int width = static_cast<int>(end - digits) + (value < 0 ? 1 : 0);
    if (width > w) return Fill(w, '*');
    X(w - width);
    if (value < 0) Append("-");
    Append({digits, static_cast<std::size_t>(end - digits)});
    return *this;
}

FixedLine& FixedLine::F(int w, int d, double value) {
    if (!std::isfinite(value) || std::fabs(value) >= kFixedLimit) return Fill(w, '*');
    const int decimals = d < 0 ? 0 : d > kMaxFixedDecimals ? kMaxFixedDecimals : d;
    char digits[kFixedTextCapacity + 1];
    char* end = FixedText(digits, std::fabs(value), decimals);
    // Fixed point always shows the point, also with no decimals ("999.").
    if (decimals == 0) *end++ = '.';
    std::string_view text(digits, static_cast<std::size_t>(end - digits));
    // A value that rounds to zero has no sign.
    const bool negative = value < 0.0 && text.find_first_not_of("0.") != std::string_view::npos;
    int width = static_cast<int>(text.size()) + (negative ? 1 : 0);
    // A leading zero before the point is dropped when the field has no room for it.
    if (width > w && text.size() > 1 && text[0] == '0' && text[1] == '.') {
        text.remove_prefix(1);
        --width;
    }
    if (width > w) return Fill(w, '*');
    X(w - width);
    if (negative) Append("-");
    Append(text);
    return *this;
}

FixedLine& FixedLine::E(int w, int d, double value) {
    if (!std::isfinite(value) || d < 1 || d > kMaxDigits) return Fill(w, '*');
    char digits[kMaxDigits];
    const int exponent = FractionExponent(std::fabs(value), d, digits);
    // Exponents beyond two digits drop the letter E, as in +100; beyond three
    // digits the value has no form.
    if (std::abs(exponent) > kMaxExponent) return Fill(w, '*');
    char exponent_text[kExponentWidth];
    ExponentText(exponent, exponent_text);
    const bool negative = value < 0.0;
    const int body = 1 + d + kExponentWidth + (negative ? 1 : 0);
    if (body > w) return Fill(w, '*');
    const bool leading_zero = body + 1 <= w;
    X(w - body - (leading_zero ? 1 : 0));
    if (negative) Append("-");
    Append(leading_zero ? "0." : ".");
    Append({digits, static_cast<std::size_t>(d)});
    Append({exponent_text, kExponentWidth});
    return *this;
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
    if (value < 0) Append("-");
    char digits[kIntegerTextCapacity];
    const char* end = IntegerText(digits, Magnitude(value));
    Append({digits, static_cast<std::size_t>(end - digits)});
    return *this;
}

FixedLine& FixedLine::Scientific(int d, double value) {
    const int decimals = d < 0 ? 0 : d >= kMaxSignificantDigits ? kMaxSignificantDigits - 1 : d;
    char text[ScientificTextCapacity(kMaxSignificantDigits - 1)];
    const char* end = ScientificText(text, value, decimals);
    Append({text, static_cast<std::size_t>(end - text)});
    return *this;
}

void FixedLine::WriteTo(OutputFile& file) const { file.WriteLine(View()); }

void WriteEmptyLine(OutputFile& file) { file.WriteLine({}); }

}  // namespace keldra
