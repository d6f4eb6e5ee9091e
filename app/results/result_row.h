// One station's results as the report's table and the plot data's result
// rows both print them.
#pragma once

#include <array>
#include <string>

#include "app/results/figure.h"

namespace keldra::results {

enum Column { kDepth, kDeflection, kMoment, kShear, kReaction, kColumnCount };

struct ResultRow {
    std::array<Figure, kColumnCount> value;
    std::array<std::string, kColumnCount> text;  // the fields as printed
};

// A row read from its printed fields.
[[nodiscard]] ResultRow RowOf(const std::array<std::string, kColumnCount>& fields);

}  // namespace keldra::results
