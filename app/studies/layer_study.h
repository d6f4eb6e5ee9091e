// The layer study: copies of a project with every soil layer that carries
// p-y curves split into 1, 2, ... K equal parts, run in parallel, one row of
// results each, against the finest split.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "app/results/results_summary.h"
#include "app/studies/study_row.h"
#include "app/studies/study_runs.h"

namespace keldra::studies {

struct LayerRow : StudyRow {
    int parts = 1;
    // The change against the finest split, in percent; none where that has
    // no value or 0.
    std::optional<double> deflection_change, moment_change, shear_change;
};

struct LayerStudy {
    results::Units units;  // of the results, as the report labels them
    std::vector<LayerRow> rows;
    int most_parts = 1;    // the most parts the soil-layer table holds
    bool limited = false;  // fewer parts were studied than asked for
    bool cancelled = false;
};

// Writes the studied projects into `folder` and runs them: split counts from
// 1 to `max_parts`, or to the most the soil-layer table holds when that is
// fewer or none is given. Raises EInOutError, and std::invalid_argument for
// a count below 1 or a project without generated p-y curves to split.
[[nodiscard]] LayerStudy RunLayerStudy(const QString& project, const QString& folder,
                                       std::optional<int> max_parts,
                                       const StudyRunOptions& options);

}  // namespace keldra::studies
