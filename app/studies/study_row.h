// The results of one studied run in one row. Staged and two-term projects
// have several problems: the row closes when every one closes, and gives the
// largest iteration count, the top deflection of the last problem and the
// largest moment and shear of all of them.
#pragma once

#include <QString>
#include <string>

#include "app/results/figure.h"
#include "app/studies/study_runs.h"

namespace keldra::studies {

struct StudyRow {
    bool closed = false;
    int iterations = 0;
    results::Figure top_deflection, moment, moment_depth, shear, shear_depth;
    QString project;      // the file name of the studied project
    std::string failure;  // why it has no results
};

[[nodiscard]] StudyRow RowOfRun(const StudyRun& run);

}  // namespace keldra::studies
