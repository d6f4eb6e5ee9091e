#include "app/results/results_summary.h"

#include <fstream>

#include "app/results/plot_reader.h"
#include "app/results/project_heads.h"
#include "app/results/report_reader.h"
#include "app/results/result_row.h"
#include "app/results/station_results.h"
#include "app/results/wall_summary.h"

namespace keldra::results {

namespace {

Units UnitsOf(const UnitLabels& labels) {
    return {labels.length, labels.force, labels.moment, labels.force + "/" + labels.length};
}

// The head of the project block that problem `k` was read from: one block per
// stage; a short-term and long-term project repeats its head.
const ProjectHead* HeadOf(const std::vector<ProjectHead>& heads, const ReportProblem& problem,
                          std::size_t k) {
    if (problem.label.rfind("stage", 0) == 0) return k < heads.size() ? &heads[k] : nullptr;
    return heads.empty() ? nullptr : &heads.front();
}

ProblemSummary SummaryOf(const ReportProblem& problem, const StationSources& sources,
                         const WallSources& wall) {
    ProblemSummary s;
    static_cast<ProblemOutcome&>(s) = problem;
    s.units = UnitsOf(problem.units);
    const StationResults stations = ResultsAt(problem, sources, s.notes);
    s.top_deflection = stations.ValueAt(0, kDeflection);
    s.deflection = stations.Largest(kDeflection);
    s.moment = stations.Largest(kMoment);
    s.shear = stations.Largest(kShear);
    s.reaction = stations.Largest(kReaction);
    SummariseWall(problem, wall, stations, s);
    return s;
}

}  // namespace

ResultsSummary Summarise(std::istream& report, std::istream* plot_data, std::istream* project) {
    const ReportContents contents = ReadReport(report);
    const PlotBlocks blocks = plot_data ? ReadPlotBlocks(*plot_data) : PlotBlocks{};
    const std::vector<ProjectHead> heads =
        project ? ReadProjectHeads(*project) : std::vector<ProjectHead>{};
    ResultsSummary summary;
    summary.ended = contents.ended;
    summary.stop = contents.stop;
    for (std::size_t k = 0; k < contents.problems.size(); ++k) {
        const StationSources sources{
            .plot_given = plot_data != nullptr,
            .plot_rows = k < blocks.results.size() ? &blocks.results[k] : nullptr};
        const WallSources wall{.project_given = project != nullptr,
                               .head = HeadOf(heads, contents.problems[k], k)};
        summary.problems.push_back(SummaryOf(contents.problems[k], sources, wall));
    }
    return summary;
}

ResultsSummary SummariseFiles(const RunFiles& files) {
    std::ifstream report(files.report, std::ios::binary);
    if (!report) {
        ResultsSummary summary;
        summary.error = "the report " + files.report + " cannot be read";
        return summary;
    }
    std::ifstream plot_data(files.plot_data, std::ios::binary);
    std::ifstream project(files.project, std::ios::binary);
    return Summarise(report, plot_data ? &plot_data : nullptr, project ? &project : nullptr);
}

}  // namespace keldra::results
