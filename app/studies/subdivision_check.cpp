#include "app/studies/subdivision_check.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <exception>
#include <filesystem>

#include "app/run/run_folder.h"

namespace keldra::studies {

namespace {

using results::ProblemSummary;

constexpr int kSplitParts = 2;
constexpr const char* kNothingToSplit = "no soil layer to split";

// Whether a problem's answer can depend on its layering at all; the reason
// when it cannot.
std::string NotApplicable(const ProblemLayers& layers) {
    if (layers.user_curves) return "the problem has user-specified p-y curves";
    if (!layers.generated) return "the p-y curves are not generated from the soil layers";
    if (layers.split.split == 0) return "the soil-layer table has no room for more layers";
    return {};
}

bool AnythingToSplit(const std::vector<ProblemLayers>& problems) {
    return std::any_of(problems.begin(), problems.end(),
                       [](const ProblemLayers& p) { return NotApplicable(p).empty(); });
}

std::optional<double> PercentChange(const results::Figure& given, const results::Figure& split) {
    if (!given.known() || !split.known() || given.value == 0.0) return std::nullopt;
    return (split.value - given.value) / std::fabs(given.value) * 100.0;
}

ProblemCheck Compare(const ProblemSummary& given, const ProblemLayers& layers, const StudyRun& run,
                     std::size_t index) {
    ProblemCheck check{.layers = layers};
    check.reason = NotApplicable(layers);
    if (check.reason.empty() && !given.closed) check.reason = "the problem did not close";
    if (!check.reason.empty()) {
        check.verdict = ProblemCheck::Verdict::kNotApplicable;
        return check;
    }
    check.reason = !run.failure.empty() ? run.failure : run.summary.error;
    if (!check.reason.empty()) return check;
    const std::vector<ProblemSummary>& split = run.summary.problems;
    if (index >= split.size() || !split[index].closed) {
        check.reason = "the problem with its soil layers split did not close";
        return check;
    }
    check.verdict = ProblemCheck::Verdict::kCompared;
    check.deflection_change =
        PercentChange(given.top_deflection.figure, split[index].top_deflection.figure);
    check.moment_change =
        PercentChange(given.moment.value.figure, split[index].moment.value.figure);
    return check;
}

}  // namespace

bool ProblemCheck::Warns() const {
    auto large = [](const std::optional<double>& change) {
        return change && std::fabs(*change) > kTrustedChangePercent;
    };
    return verdict == Verdict::kCompared && (large(deflection_change) || large(moment_change));
}

SubdivisionCheck CompareSplit(const results::ResultsSummary& given,
                              const std::vector<ProblemLayers>& layers, const StudyRun& split) {
    SubdivisionCheck check;
    for (std::size_t k = 0; k < given.problems.size(); ++k) {
        if (k < layers.size()) {
            check.problems.push_back(Compare(given.problems[k], layers[k], split, k));
            continue;
        }
        // The split copy could not be written, or holds fewer problems.
        ProblemCheck failed{.reason = split.failure};
        if (failed.reason.empty()) failed.reason = "the project with its soil layers split differs";
        check.problems.push_back(failed);
    }
    return check;
}

std::vector<SubdivisionCheck> RunSubdivisionChecks(const std::vector<CheckedRun>& runs,
                                                   const StudyRunOptions& options) {
    // Beside the run folders, so that the outputs of the split copies are
    // moved rather than copied out of them, in memory where there is room.
    const QTemporaryDir scratch(
        QString::fromStdString((run::TemporaryBase() / "keldra-check-XXXXXX").string()));
    std::vector<std::filesystem::path> files;
    std::vector<QString> targets;
    for (std::size_t k = 0; k < runs.size(); ++k) {
        targets.push_back(scratch.filePath(
            QStringLiteral("%1-%2").arg(k).arg(QFileInfo(runs[k].project).fileName())));
        files.emplace_back(targets.back().toStdString());
    }
    std::vector<std::vector<ProblemLayers>> layers(runs.size());
    StudyRunOptions splitting = options;
    splitting.prepare = [&](std::size_t k) {
        if (!scratch.isValid())
            return "cannot make a scratch folder: " + scratch.errorString().toStdString();
        const std::string error = WrittenOrWhyNot(
            [&] { layers[k] = WriteLayerVariant(runs[k].project, targets[k], kSplitParts); });
        // A project whose answer cannot depend on its layers costs no run.
        return error.empty() && !AnythingToSplit(layers[k]) ? kNothingToSplit : error;
    };
    const std::vector<StudyRun> split = RunStudyProjects(files, splitting);
    std::vector<SubdivisionCheck> checks;
    for (std::size_t k = 0; k < runs.size(); ++k)
        checks.push_back(CompareSplit(*runs[k].summary, layers[k], split[k]));
    return checks;
}

SubdivisionCheck CheckProject(const QString& project, const results::ResultsSummary& summary,
                              const std::string& library) {
    StudyRunOptions options;
    options.library = library;
    try {
        return RunSubdivisionChecks({{project, &summary}}, options).front();
    } catch (const std::exception& error) {  // no thread or no memory for the runs
        SubdivisionCheck failed;
        failed.problems.assign(summary.problems.size(), ProblemCheck{.reason = error.what()});
        return failed;
    }
}

}  // namespace keldra::studies
