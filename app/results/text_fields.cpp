#include "app/results/text_fields.h"

namespace keldra::results {

bool StartsWith(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

std::string Field(std::string_view line, std::size_t column, std::size_t width) {
    return column < line.size() ? Trimmed(line.substr(column, width)) : std::string();
}

}  // namespace keldra::results
