// The table of an embedment study as keldra-study prints it and as CSV.
#pragma once

#include <string>

#include "app/studies/embedment_study.h"

namespace keldra::cli {

// Aligned columns under a heading line, one line per studied embedment.
[[nodiscard]] std::string EmbedmentTable(const studies::EmbedmentStudy& study);

// A header row naming the unit of each column, then one row per embedment;
// values with the digits their sources printed, unknown values empty.
[[nodiscard]] std::string EmbedmentCsv(const studies::EmbedmentStudy& study);

// "critical embedment: 36 in" or "critical embedment: none".
[[nodiscard]] std::string CriticalEmbedmentLine(const studies::EmbedmentStudy& study);

}  // namespace keldra::cli
