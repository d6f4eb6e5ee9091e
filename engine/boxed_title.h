// The framed title that opens a report section: two empty lines, then
// 6 blanks and 50 asterisks, 6 blanks and the title line, 6 blanks and 50
// asterisks. The title line is 50 characters: an asterisk, the title after
// 8 blanks (centred when it is longer than 40 characters), an asterisk.
//
//   "*        WALL INFORMATION                        *"
#pragma once

#include <cstdio>
#include <string_view>

namespace keldra {

inline constexpr int kBoxWidth = 50;

void WriteBoxedTitle(std::FILE* file, std::string_view title);

}  // namespace keldra
