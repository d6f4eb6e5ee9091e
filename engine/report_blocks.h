// Pieces of the report that several sections share.
#pragma once

#include <cstdio>
#include <string_view>

namespace keldra {

// Two empty lines, then three lines of 6 blanks: 50 asterisks, the title
// (itself 50 characters framed by asterisks), 50 asterisks.
void WriteBoxedTitle(std::FILE* report, std::string_view title);

// An empty line and a line of 20 blanks: what a section without rows leaves.
void WriteEmptySection(std::FILE* report);

}  // namespace keldra
