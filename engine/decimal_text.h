// Decimal text of numbers, character for character what printf writes for
// %lld, %.*E and %.*f in the C locale: the digits are the exact binary value
// rounded with ties to even. Nothing is allocated and no locale is consulted.
//
// Most values take a fast path: the magnitude is scaled by a power of ten in
// double precision and rounded there when it lies farther from a half than
// the scaling error reaches. Ties and near-ties, subnormals, far exponents
// and long digit strings go through std::to_chars with its exact arithmetic.
#pragma once

namespace keldra {

// Most significant digits one conversion may ask for.
inline constexpr int kMaxSignificantDigits = 40;

// Writes the `count` (1 .. kMaxSignificantDigits) leading digits of the
// finite `magnitude` (>= 0) rounded to that many digits, and returns the
// decimal exponent of the first: magnitude ~ d1.d2d3... x 10^exponent. A
// rounding carry (9.996 to three digits) gives 100 with the next exponent.
// Zero gives zeros and exponent 0. `digits` receives exactly `count` chars.
[[nodiscard]] int SignificantDigits(double magnitude, int count, char* digits);

// Room FixedText needs: magnitudes below 1e300 with at most kMaxFixedDecimals.
inline constexpr int kMaxFixedDecimals = 40;
inline constexpr double kFixedLimit = 1e300;
inline constexpr int kFixedTextCapacity = 301 + 1 + kMaxFixedDecimals;

// printf's "%.*f" of a magnitude (>= 0, below kFixedLimit) with `decimals`
// (0 .. kMaxFixedDecimals); no point when decimals is 0. Returns the end.
[[nodiscard]] char* FixedText(char* out, double magnitude, int decimals);

// Room ScientificText needs for `decimals` (0 .. kMaxSignificantDigits - 1).
constexpr int ScientificTextCapacity(int decimals) { return decimals + 8; }

// printf's "%.*E" of any double: sign (also of zero), d.ddd, "E", the
// exponent's sign and at least two digits; "INF" and "NAN" when not finite.
// Returns the end.
[[nodiscard]] char* ScientificText(char* out, double value, int decimals);

// A double's decimal exponent magnitude (at most 324) in two digits, or in
// three when it needs them. Returns the end.
inline char* ExponentDigits(char* out, int magnitude) {
    if (magnitude >= 100) *out++ = static_cast<char>('0' + magnitude / 100);
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
    return out;
}

// Room IntegerText needs.
inline constexpr int kIntegerTextCapacity = 20;

// printf's "%llu" of `value`, zero-padded to at least `min_digits` (up to
// kIntegerTextCapacity). Returns the end.
[[nodiscard]] char* IntegerText(char* out, unsigned long long value, int min_digits = 1);

}  // namespace keldra
