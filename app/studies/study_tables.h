// The tables of the studies as keldra-study prints them, as CSV, and as
// the columns the desktop program shows.
#pragma once

#include <string>
#include <vector>

#include "app/studies/embedment_study.h"
#include "app/studies/layer_study.h"
#include "app/studies/strength_study.h"

namespace keldra::studies {

// A column of a study's table: its title with its unit, and its cells.
struct StudyColumn {
    std::string title;
    std::vector<std::string> cells;
};

// The columns of the tables; `csv` gives values with the digits their
// sources printed and unknown values empty, else as people read them.
[[nodiscard]] std::vector<StudyColumn> EmbedmentColumns(const EmbedmentStudy& study, bool csv);
[[nodiscard]] std::vector<StudyColumn> StrengthColumns(const StrengthStudy& study,
                                                       double precision);

// Aligned columns under a heading line, one line per studied embedment.
[[nodiscard]] std::string EmbedmentTable(const EmbedmentStudy& study);

// A header row naming the unit of each column, then one row per embedment;
// values with the digits their sources printed, unknown values empty.
[[nodiscard]] std::string EmbedmentCsv(const EmbedmentStudy& study);

// "critical embedment: 36 in" or "critical embedment: none".
[[nodiscard]] std::string CriticalEmbedmentLine(const EmbedmentStudy& study);

// The factors tried, by factor, with whether every problem closed, printed
// to the decimals of the precision.
[[nodiscard]] std::string StrengthTable(const StrengthStudy& study, double precision);
[[nodiscard]] std::string StrengthCsv(const StrengthStudy& study, double precision);

// One row per split count: the results and their change against the finest
// split, in percent.
[[nodiscard]] std::vector<StudyColumn> LayerColumns(const LayerStudy& study, bool csv);
[[nodiscard]] std::string LayerTable(const LayerStudy& study);
[[nodiscard]] std::string LayerCsv(const LayerStudy& study);

// "factor of safety: 1.25" or "factor of safety: below 1".
[[nodiscard]] std::string FactorOfSafetyLine(const StrengthStudy& study, double precision);

}  // namespace keldra::studies
