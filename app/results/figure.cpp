#include "app/results/figure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/results/text_fields.h"

namespace keldra::results {

namespace {

// Arithmetic on exact inputs leaves binary noise beyond this many digits
// (3 × 0.1 is 0.30000000000000004).
constexpr int kExactDigits = 15;

// The power of ten of the leading digit of a nonzero value.
int Magnitude(double value) {
    const double size = std::fabs(value);
    int m = static_cast<int>(std::floor(std::log10(size)));
    if (std::pow(10.0, m) > size) --m;
    if (std::pow(10.0, m + 1) <= size) ++m;
    return m;
}

std::string Printed(const char* format, int precision, double value) {
    const int size = std::snprintf(nullptr, 0, format, precision, value);
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, precision, value);
    text.resize(static_cast<std::size_t>(size));
    return text;
}

// The value rounded to a multiple of 10^place, through its decimal text so
// that the result is the double nearest to the rounded decimal.
double RoundedToPlace(double value, int place) {
    if (place <= 0) return std::strtod(Printed("%.*f", -place, value).c_str(), nullptr);
    const double units = std::round(value / std::pow(10.0, place));
    return std::strtod((Printed("%.*f", 0, units) + "e" + std::to_string(place)).c_str(), nullptr);
}

int LastPlaceOf(double value, int digits) {
    return (value == 0.0 ? 0 : Magnitude(value)) - digits + 1;
}

// The value as the figure holds it: rounded to its last place, an exact one
// cleared of binary noise; never "-0".
double Settled(const Figure& f) {
    const int place = f.exact() ? LastPlaceOf(f.value, kExactDigits) : f.last_place;
    return RoundedToPlace(f.value, place) + 0.0;
}

Figure Rounded(double value, int last_place) {
    if (!std::isfinite(value)) return {};
    Figure f{value, last_place};
    f.value = Settled(f);
    return f;
}

Figure ExactSettled(double value) {
    Figure f = ExactFigure(value);
    if (f.known()) f.value = Settled(f);
    return f;
}

// Significant digits; an exact figure has more than any printed one.
int SignificantDigits(const Figure& f) {
    return f.exact() ? kExactDigits : Magnitude(f.value) - f.last_place + 1;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string ShortestDecimal(double value, std::chars_format format) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, format).ptr;
    return std::string(text, end);
}

}  // namespace

bool Figure::known() const { return std::isfinite(value); }

Figure ReadFigure(std::string_view field) {
    const std::string text = Trimmed(field);
    std::size_t k = 0;
    auto digits = [&] {
        const std::size_t start = k;
        while (k < text.size() && IsDigit(text[k])) ++k;
        return k - start;
    };
    if (k < text.size() && (text[k] == '-' || text[k] == '+')) ++k;
    std::size_t count = digits(), decimals = 0;
    if (k < text.size() && text[k] == '.') {
        ++k;
        decimals = digits();
        count += decimals;
    }
    if (count == 0) return {};
    const std::string mantissa = text.substr(0, k);
    long exponent = 0;
    if (k < text.size()) {
        // Without the letter a sign must follow the mantissa: "0.123+100".
        if (text[k] == 'E' || text[k] == 'e') ++k;
        const std::size_t sign = k;
        if (k < text.size() && (text[k] == '-' || text[k] == '+')) ++k;
        if (digits() == 0 || k != text.size()) return {};
        exponent = std::strtol(text.c_str() + sign, nullptr, 10);
        if (exponent > 9999 || exponent < -9999) return {};
    }
    const double value = std::strtod((mantissa + "e" + std::to_string(exponent)).c_str(), nullptr);
    if (!std::isfinite(value)) return {};
    return {value, static_cast<int>(exponent) - static_cast<int>(decimals)};
}

Figure ExactFigure(double value) {
    if (!std::isfinite(value)) return {};
    return {value, Figure::kExact};
}

Figure WithSignificantDigits(double value, int digits) {
    return Rounded(value, LastPlaceOf(value, digits));
}

Figure Product(const Figure& a, const Figure& b) {
    if (!a.known() || !b.known()) return {};
    const double value = a.value * b.value;
    if (a.exact() && b.exact()) return ExactSettled(value);
    if (value != 0.0)
        return WithSignificantDigits(value, std::min(SignificantDigits(a), SignificantDigits(b)));
    if ((a.exact() && a.value == 0.0) || (b.exact() && b.value == 0.0)) return ExactFigure(0.0);
    // A printed zero stands for anything below half its last unit: the
    // product is known to that place times the other factor.
    const Figure& zero = a.value == 0.0 ? a : b;
    const Figure& other = &zero == &a ? b : a;
    const int scale = other.value != 0.0 ? Magnitude(other.value) : other.last_place;
    return {0.0, zero.last_place + scale};
}

Figure Scaled(const Figure& a, int exact_factor) {
    return Product(a, ExactFigure(static_cast<double>(exact_factor)));
}

Figure Difference(const Figure& a, const Figure& b) {
    if (!a.known() || !b.known()) return {};
    const double value = a.value - b.value;
    if (a.exact() && b.exact()) return ExactSettled(value);
    if (a.exact() || b.exact()) return Rounded(value, a.exact() ? b.last_place : a.last_place);
    return Rounded(value, std::max(a.last_place, b.last_place));
}

bool Agree(const Figure& a, const Figure& b) {
    if (!a.known() || !b.known()) return false;
    auto half_unit = [](const Figure& f) {
        return f.exact() ? 0.0 : 0.5 * std::pow(10.0, f.last_place);
    };
    // The printed values are decimals held in binary: a margin for that.
    const double margin = 1e-12 * std::max(std::fabs(a.value), std::fabs(b.value));
    return std::fabs(a.value - b.value) <= half_unit(a) + half_unit(b) + margin;
}

std::string DisplayText(const Figure& f) {
    if (!f.known()) return "n/a";
    const double value = Settled(f);
    const int leading = value == 0.0 ? 0 : Magnitude(value);
    const bool fixed = leading >= -4 && leading <= 8;
    if (f.exact()) {
        if (fixed) return ShortestDecimal(value, std::chars_format::fixed);
        std::string text = ShortestDecimal(value, std::chars_format::scientific);
        std::replace(text.begin(), text.end(), 'e', 'E');
        return text;
    }
    if (fixed) return Printed("%.*f", std::max(0, -f.last_place), value);
    return Printed("%.*E", std::max(0, leading - f.last_place), value);
}

std::string ShortestText(const Figure& f) {
    if (!f.known()) return "null";
    return ShortestDecimal(Settled(f), std::chars_format::general);
}

}  // namespace keldra::results
