#include "engine/decimal_text.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace keldra {

namespace {

// Powers of ten held exactly by a double (10^22 is the last).
constexpr int kExactPowers = 23;
constexpr std::array<double, kExactPowers> kPowers = [] {
    std::array<double, kExactPowers> powers{};
    double p = 1.0;
    for (double& power : powers) {
        power = p;
        p *= 10.0;
    }
    return powers;
}();

constexpr int kIntegerPowers = 20;  // 10^19 is the last below 2^64
constexpr std::array<std::uint64_t, kIntegerPowers> kWholePowers = [] {
    std::array<std::uint64_t, kIntegerPowers> powers{};
    std::uint64_t p = 1;
    for (std::uint64_t& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// The fast path keeps scaled values below 2^50: their fraction is exact and
// every half (n + 0.5) is a double. One correctly rounded multiplication or
// division never carries a value across a double, so a scaled value that
// lands off a half rounds like the exact product; one that lands on a half
// may be a tie or near one and goes the exact way.
constexpr int kFastDigits = 15;
constexpr double kFastLimit = 0x1p50;

constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int k = 0; k < 100; ++k) {
        pairs[2 * k] = static_cast<char>('0' + k / 10);
        pairs[2 * k + 1] = static_cast<char>('0' + k % 10);
    }
    return pairs;
}();

// Writes exactly `count` digits of `value` (leading zeros as needed).
void WriteDigits(std::uint64_t value, int count, char* out) {
    char* p = out + count;
    while (p - out >= 2) {
        p -= 2;
        std::memcpy(p, &kDigitPairs[2 * (value % 100)], 2);
        value /= 100;
    }
    if (p > out) *--p = static_cast<char>('0' + value % 10);
}

int DigitCount(std::uint64_t value) {
    int count = 1;
    while (count < kIntegerPowers && value >= kWholePowers[count]) ++count;
    return count;
}

// `scaled` (below kFastLimit) rounded to the nearest integer; false on a half.
bool RoundScaled(double scaled, std::uint64_t& rounded) {
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;  // exact for every double
    if (fraction == 0.5) return false;
    rounded = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    return true;
}

// m / 10^-k or m * 10^k, one correctly rounded operation.
double Scale(double magnitude, int k) {
    return k >= 0 ? magnitude * kPowers[static_cast<std::size_t>(k)]
                  : magnitude / kPowers[static_cast<std::size_t>(-k)];
}

// The fast path of SignificantDigits for a normal magnitude.
bool FastSignificant(double magnitude, int count, std::uint64_t& rounded, int& exponent) {
    // With magnitude in [2^b, 2^(b+1)), floor(log10) is floor(b log10 2) or
    // one more; 78913 / 2^18 is log10 2 closely enough for every double.
    const int binary = static_cast<int>(std::bit_cast<std::uint64_t>(magnitude) >> 52) - 1023;
    int e = (binary * 78913) >> 18;
    for (int attempt = 0; attempt < 2; ++attempt, ++e) {
        const int k = count - 1 - e;
        if (k <= -kExactPowers || k >= kExactPowers) return false;
        const double scaled = Scale(magnitude, k);
        if (scaled >= kPowers[static_cast<std::size_t>(count)]) continue;
        if (scaled < kPowers[static_cast<std::size_t>(count - 1)]) return false;
        if (!RoundScaled(scaled, rounded)) return false;
        exponent = e;
        if (rounded == kWholePowers[static_cast<std::size_t>(count)]) {  // 9.996 -> 10.0
            rounded = kWholePowers[static_cast<std::size_t>(count - 1)];
            ++exponent;
        }
        return true;
    }
    return false;
}

int ExactSignificantDigits(double magnitude, int count, char* digits) {
    char text[kMaxSignificantDigits + 16];  // d.ddde+xxx
    const char* end =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, count - 1)
            .ptr;
    const char* c = text;
    int n = 0;
    digits[n++] = *c++;
    if (*c == '.') ++c;
    while (*c != 'e') digits[n++] = *c++;
    ++c;
    const bool negative = *c++ == '-';
    int exponent = 0;
    while (c < end) exponent = 10 * exponent + (*c++ - '0');
    return negative ? -exponent : exponent;
}

}  // namespace

int SignificantDigits(double magnitude, int count, char* digits) {
    if (magnitude == 0.0) {
        std::memset(digits, '0', static_cast<std::size_t>(count));
        return 0;
    }
    std::uint64_t rounded = 0;
    int exponent = 0;
    if (count <= kFastDigits && magnitude >= std::numeric_limits<double>::min() &&
        FastSignificant(magnitude, count, rounded, exponent)) {
        WriteDigits(rounded, count, digits);
        return exponent;
    }
    return ExactSignificantDigits(magnitude, count, digits);
}

char* FixedText(char* out, double magnitude, int decimals) {
    std::uint64_t rounded = 0;
    if (decimals <= kFastDigits) {
        const double scaled = magnitude * kPowers[static_cast<std::size_t>(decimals)];
        if (scaled < kFastLimit && RoundScaled(scaled, rounded)) {
            const std::uint64_t unit = kWholePowers[static_cast<std::size_t>(decimals)];
            out = IntegerText(out, rounded / unit);
            if (decimals == 0) return out;
            *out++ = '.';
            WriteDigits(rounded % unit, decimals, out);
            return out + decimals;
        }
    }
    return std::to_chars(out, out + kFixedTextCapacity, magnitude, std::chars_format::fixed,
                         decimals)
        .ptr;
}

char* ScientificText(char* out, double value, int decimals) {
    if (std::signbit(value)) *out++ = '-';
    const double magnitude = std::fabs(value);
    if (!std::isfinite(magnitude)) {
        std::memcpy(out, std::isnan(magnitude) ? "NAN" : "INF", 3);
        return out + 3;
    }
    char digits[kMaxSignificantDigits];
    const int exponent = SignificantDigits(magnitude, decimals + 1, digits);
    *out++ = digits[0];
    if (decimals > 0) {
        *out++ = '.';
        std::memcpy(out, digits + 1, static_cast<std::size_t>(decimals));
        out += decimals;
    }
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    return IntegerText(out, static_cast<std::uint64_t>(exponent < 0 ? -exponent : exponent), 2);
}

char* IntegerText(char* out, unsigned long long value, int min_digits) {
    const int digits = DigitCount(value);
    const int count = digits > min_digits ? digits : min_digits;
    WriteDigits(value, count, out);
    return out + count;
}

}  // namespace keldra
