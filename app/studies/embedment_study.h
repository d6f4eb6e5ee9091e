// The embedment study: copies of a project whose wall reaches to different
// depths below the excavation, run in parallel, one row of results each.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "app/results/figure.h"
#include "app/results/results_summary.h"
#include "app/studies/embedment_variant.h"
#include "app/studies/study_row.h"
#include "app/studies/study_runs.h"

namespace keldra::studies {

struct EmbedmentRange {
    double from = 0.0, to = 0.0, step = 0.0;  // in the project's small length
};

// The numbers of increments of the studied embedments, from the shortest,
// each embedment rounded to whole increments and each studied once. Raises
// std::invalid_argument with the message for a range that cannot be studied.
[[nodiscard]] std::vector<int> StudiedIncrements(const WallGeometry& wall,
                                                 const EmbedmentRange& range);

// One studied embedment.
struct EmbedmentRow : StudyRow {
    double embedment = 0.0, wall_length = 0.0;
};

struct EmbedmentStudy {
    WallGeometry wall;
    results::Units units;  // of the results, as the report labels them
    std::vector<EmbedmentRow> rows;
    std::optional<double> critical;
    bool cancelled = false;
};

// Writes the studied projects into `folder` (named after the project and
// the number of increments) and runs them. Raises EInOutError and
// std::invalid_argument.
[[nodiscard]] EmbedmentStudy RunEmbedmentStudy(const QString& project, const QString& folder,
                                               const EmbedmentRange& range,
                                               const StudyRunOptions& options);

}  // namespace keldra::studies
