// A number as a file printed it: its value and the place of its last
// printed digit. The engine prints results with three (report) or four
// (plot data) significant digits; a summary keeps exactly those digits, and
// a value derived from printed ones keeps no more than its inputs hold. An
// input of the project file is exact: the engine computed with that very
// number.
#pragma once

#include <limits>
#include <string>
#include <string_view>

namespace keldra::results {

struct Figure {
    static constexpr int kExact = std::numeric_limits<int>::min();

    double value = std::numeric_limits<double>::quiet_NaN();  // NaN: no number
    // The value is known to half a unit of 10^last_place: "0.123E+02" has -1,
    // "6.500" has -3; kExact for an exact value.
    int last_place = 0;

    [[nodiscard]] bool known() const;
    [[nodiscard]] bool exact() const { return last_place == kExact; }
};

// Reads a printed field: fixed form ("6.500", "-12"), exponent form
// ("0.1234E+02", "1E-5") and the engine's form for exponents beyond two
// digits ("0.123+100"). Anything else (asterisks of a value too wide for its
// field, an empty field) gives a Figure without a number.
[[nodiscard]] Figure ReadFigure(std::string_view text);

// An exact value, such as an input of the project file.
[[nodiscard]] Figure ExactFigure(double value);

// `value` with `digits` significant digits.
[[nodiscard]] Figure WithSignificantDigits(double value, int digits);

// Derived values, rounded to the digits their inputs warrant: a product to
// the coarser relative precision, a difference to the coarser last place.
[[nodiscard]] Figure Product(const Figure& a, const Figure& b);
[[nodiscard]] Figure Scaled(const Figure& a, int exact_factor);
[[nodiscard]] Figure Difference(const Figure& a, const Figure& b);

// Whether two printings can be of the same value: they differ by no more
// than their two half units together.
[[nodiscard]] bool Agree(const Figure& a, const Figure& b);

// The value as people read it: fixed notation with the known decimals, or
// exponent notation for very large and very small values.
[[nodiscard]] std::string DisplayText(const Figure& figure);
// The shortest decimal that reads back as the value: the printed digits,
// nothing invented.
[[nodiscard]] std::string ShortestText(const Figure& figure);

}  // namespace keldra::results
