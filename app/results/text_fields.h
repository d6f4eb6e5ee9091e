// Pieces of fixed-layout lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace keldra::results {

[[nodiscard]] bool StartsWith(std::string_view line, std::string_view prefix);
// The text without its leading and trailing blanks, tabs and carriage returns.
[[nodiscard]] std::string Trimmed(std::string_view text);
// The trimmed field of `width` columns from `column`; empty beyond the line.
[[nodiscard]] std::string Field(std::string_view line, std::size_t column, std::size_t width);

}  // namespace keldra::results
