// The tables of the studies as keldra-study prints them and as CSV.
#pragma once

#include <string>

#include "app/studies/embedment_study.h"
#include "app/studies/strength_study.h"

namespace keldra::cli {

// Aligned columns under a heading line, one line per studied embedment.
[[nodiscard]] std::string EmbedmentTable(const studies::EmbedmentStudy& study);

// A header row naming the unit of each column, then one row per embedment;
// values with the digits their sources printed, unknown values empty.
[[nodiscard]] std::string EmbedmentCsv(const studies::EmbedmentStudy& study);

// "critical embedment: 36 in" or "critical embedment: none".
[[nodiscard]] std::string CriticalEmbedmentLine(const studies::EmbedmentStudy& study);

// The factors tried, by factor, with whether every problem closed, printed
// to the decimals of the precision.
[[nodiscard]] std::string StrengthTable(const studies::StrengthStudy& study, double precision);
[[nodiscard]] std::string StrengthCsv(const studies::StrengthStudy& study, double precision);

// "factor of safety: 1.25" or "factor of safety: below 1".
[[nodiscard]] std::string FactorOfSafetyLine(const studies::StrengthStudy& study,
                                             double precision);

}  // namespace keldra::cli
