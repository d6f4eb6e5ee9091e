// The subdivision check: after a run, the same project once more with every
// soil layer that carries p-y curves split in two, and per problem the
// relative change of the top deflection and of the largest bending moment.
// A large change says the curves are too far apart for the answer to be
// trusted: thinner layers give more curves and shallower steps in the
// equivalent depth.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "app/results/results_summary.h"
#include "app/studies/layer_variant.h"
#include "app/studies/study_runs.h"

namespace keldra::studies {

// A change larger than this, in either value, earns a warning.
inline constexpr double kTrustedChangePercent = 10.0;

struct ProblemCheck {
    enum class Verdict { kCompared, kNotApplicable, kFailed };
    Verdict verdict = Verdict::kFailed;
    std::string reason;  // why not applicable, or why it failed
    // Relative changes in percent; none where the run as given has 0.
    std::optional<double> deflection_change, moment_change;
    ProblemLayers layers;

    [[nodiscard]] bool Warns() const;
};

// Per problem of the run, in the order of its summary.
struct SubdivisionCheck {
    std::vector<ProblemCheck> problems;
};

struct CheckedRun {
    QString project;                         // the project as run
    const results::ResultsSummary* summary;  // of its run
};

// Checks every run: writes its split copy into a scratch folder of its own
// and runs them all as `options` says.
[[nodiscard]] std::vector<SubdivisionCheck> RunSubdivisionChecks(
    const std::vector<CheckedRun>& runs, const StudyRunOptions& options);

// The check of one project's run, made with the engine `library`.
[[nodiscard]] SubdivisionCheck CheckProject(const QString& project,
                                            const results::ResultsSummary& summary,
                                            const std::string& library);

// The check of one run against the run of its split copy.
[[nodiscard]] SubdivisionCheck CompareSplit(const results::ResultsSummary& given,
                                            const std::vector<ProblemLayers>& layers,
                                            const StudyRun& split);

}  // namespace keldra::studies
