#include "app/studies/study_row.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace keldra::studies {

namespace {

using results::Extreme;
using results::ProblemSummary;

// The extreme of larger magnitude, the earlier one on a tie.
const Extreme& Larger(const Extreme& a, const Extreme& b) {
    if (!b.value.figure.known()) return a;
    if (!a.value.figure.known()) return b;
    return std::fabs(b.value.figure.value) > std::fabs(a.value.figure.value) ? b : a;
}

}  // namespace

StudyRow RowOfRun(const StudyRun& run) {
    StudyRow row;
    row.project = QString::fromStdString(run.project.filename().string());
    row.closed = Closed(run);
    row.failure = !run.failure.empty() ? run.failure : run.summary.error;
    const std::vector<ProblemSummary>& problems = run.summary.problems;
    if (problems.empty()) return row;
    const Extreme* moment = &problems.front().moment;
    const Extreme* shear = &problems.front().shear;
    for (const ProblemSummary& p : problems) {
        row.iterations = std::max(row.iterations, p.iterations);
        moment = &Larger(*moment, p.moment);
        shear = &Larger(*shear, p.shear);
    }
    row.top_deflection = problems.back().top_deflection.figure;
    row.moment = moment->value.figure;
    row.moment_depth = moment->depth.figure;
    row.shear = shear->value.figure;
    row.shear_depth = shear->depth.figure;
    return row;
}

}  // namespace keldra::studies
