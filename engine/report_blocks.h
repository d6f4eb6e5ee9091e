// Pieces of the report that several sections share.
#pragma once

#include <string_view>

#include "engine/output_file.h"

namespace keldra {

// Two empty lines, then three lines of 6 blanks: 50 asterisks, the title
// (itself 50 characters framed by asterisks), 50 asterisks.
void WriteBoxedTitle(OutputFile& report, std::string_view title);

// An empty line and a line of 20 blanks: what a section without rows leaves.
void WriteEmptySection(OutputFile& report);

}  // namespace keldra
