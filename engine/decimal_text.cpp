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

// Nearest doubles to 10^k for |k| < kExactPowers, at index k + kExactPowers - 1:
// exact for k >= 0, one rounding off for k < 0. Multiplying by 10^-k is
// faster than dividing by 10^k.
constexpr int kScaleOffset = kExactPowers - 1;
constexpr std::array<double, 2 * kExactPowers - 1> kScales = [] {
    std::array<double, 2 * kExactPowers - 1> scales{};
    for (int k = 0; k < kExactPowers; ++k) {
        scales[static_cast<std::size_t>(kScaleOffset + k)] = kPowers[static_cast<std::size_t>(k)];
        scales[static_cast<std::size_t>(kScaleOffset - k)] =
            1.0 / kPowers[static_cast<std::size_t>(k)];
    }
    return scales;
}();

// The fast path keeps scaled values below 2^50, where the fraction of a
// double is exact. Scaling rounds twice at most (an inexact 10^-k, then the
// product), so the scaled value lies within 2^-51 of itself from the exact
// one; it is rounded there only when it lies farther than that from a half.
// Ties and near-ties go the exact way.
constexpr int kFastDigits = 15;
constexpr double kFastLimit = 0x1p50;
constexpr double kScalingError = 0x1p-51;

constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int k = 0; k < 100; ++k) {
        pairs[2 * k] = static_cast<char>('0' + k / 10);
        pairs[2 * k + 1] = static_cast<char>('0' + k % 10);
    }
    return pairs;
}();

// Writes exactly `count` digits of `value` (leading zeros as needed), two at
// a time from the right.
template <typename Unsigned>
void WriteDigitsOf(Unsigned value, int count, char* out) {
    char* p = out + count;
    while (p - out >= 2) {
        p -= 2;
        const Unsigned rest = value / 100;
        std::memcpy(p, &kDigitPairs[2 * (value - 100 * rest)], 2);
        value = rest;
    }
    if (p > out) *--p = static_cast<char>('0' + value);
}

// Values below 2^32 (all fields but the longest) take the cheaper 32-bit division.
void WriteDigits(std::uint64_t value, int count, char* out) {
    if (value <= UINT32_MAX) return WriteDigitsOf(static_cast<std::uint32_t>(value), count, out);
    WriteDigitsOf(value, count, out);
}

int DigitCount(std::uint64_t value) {
    int count = 1;
    while (count < kIntegerPowers && value >= kWholePowers[count]) ++count;
    return count;
}

// `scaled` (below kFastLimit) rounded to the nearest integer; false when the
// scaling error could decide the rounding. Adding 2^52 rounds to an integer
// in the last place of the sum, whose bits then count from those of 2^52.
bool RoundScaled(double scaled, std::uint64_t& rounded) {
    constexpr double kUnitLast = 0x1p52;
    const double sum = scaled + kUnitLast;
    const double offset = scaled - (sum - kUnitLast);  // exact, within +-0.5
    if (std::fabs(offset) >= 0.5 - scaled * kScalingError) return false;
    rounded = std::bit_cast<std::uint64_t>(sum) - std::bit_cast<std::uint64_t>(kUnitLast);
    return true;
}

// magnitude x 10^k for |k| < kExactPowers.
double Scale(double magnitude, int k) {
    return magnitude * kScales[static_cast<std::size_t>(k + kScaleOffset)];
}

// The fast path of SignificantDigits for a normal magnitude.
bool FastSignificant(double magnitude, int count, std::uint64_t& rounded, int& exponent) {
    // With magnitude in [2^b, 2^(b+1)), floor(log10) is e or e + 1 with
    // e = floor(b log10 2); 78913 / 2^18 is log10 2 closely enough for every
    // double. Both scalings are made, the one that lands in range is kept.
    const int binary = static_cast<int>(std::bit_cast<std::uint64_t>(magnitude) >> 52) - 1023;
    const int e = (binary * 78913) >> 18;
    const int k = count - 1 - e;
    if (k - 1 <= -kExactPowers || k >= kExactPowers) return false;
    const double low = Scale(magnitude, k), high = Scale(magnitude, k - 1);
    const bool above = low >= kPowers[static_cast<std::size_t>(count)];
    const double scaled = above ? high : low;
    if (scaled < kPowers[static_cast<std::size_t>(count - 1)] ||
        scaled >= kPowers[static_cast<std::size_t>(count)] || !RoundScaled(scaled, rounded)) {
        return false;
    }
    exponent = e + (above ? 1 : 0);
    if (rounded == kWholePowers[static_cast<std::size_t>(count)]) {  // 9.996 -> 10.0
        rounded = kWholePowers[static_cast<std::size_t>(count - 1)];
        ++exponent;
    }
    return true;
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
    // The digits go one place to the right; the first then moves before the point.
    const int exponent = SignificantDigits(magnitude, decimals + 1, out + 1);
    out[0] = out[1];
    out[1] = '.';  // overwritten by the exponent when there are no decimals
    out += decimals > 0 ? decimals + 2 : 1;
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    return ExponentDigits(out, exponent < 0 ? -exponent : exponent);
}

char* IntegerText(char* out, unsigned long long value, int min_digits) {
    const int digits = DigitCount(value);
    const int count = digits > min_digits ? digits : min_digits;
    WriteDigits(value, count, out);
    return out + count;
}

}  // namespace keldra
