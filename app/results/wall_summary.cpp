#include "app/results/wall_summary.h"

#include <string>

namespace keldra::results {

namespace {

bool Echoed(const ReportProblem& problem) {
    return problem.increments > 0 && problem.increment_length.known() &&
           problem.free_height.known();
}

// The project's head belongs to this run when it gives the grid the report
// echoes; a project saved with other input since does not.
bool HeadFits(const ProjectHead* head, const ReportProblem& problem) {
    return head && Echoed(problem) && head->increments == problem.increments &&
           Agree(head->increment_length, problem.increment_length) &&
           Agree(head->free_height, problem.free_height);
}

std::string WithoutProjectReason(const WallSources& sources) {
    if (!sources.project_given) return "the project file cannot be read";
    if (!sources.head) return "the project file has no input block for this problem";
    return "the project file differs from the input of this run";
}

// The tieback rows are the last spring rows of the echo, each at one station.
bool TiebackRows(const ReportProblem& problem, int count, std::vector<EchoRow>& rows) {
    const std::vector<EchoRow>& echo = problem.echo_rows;
    if (static_cast<std::size_t>(count) > echo.size()) return false;
    rows.assign(echo.end() - count, echo.end());
    for (const EchoRow& row : rows)
        if (!row.to || (row.from && *row.from != *row.to)) return false;
    return true;
}

TiebackForce ForceOf(const EchoRow& row, const StationResults& stations) {
    TiebackForce t;
    t.station = *row.to;
    t.depth = stations.ValueAt(t.station, kDepth);
    t.deflection = stations.ValueAt(t.station, kDeflection);
    t.stiffness = {row.lateral_stiffness, row.lateral_stiffness_text, {}};
    if (!row.lateral_stiffness.known())
        t.stiffness.note = "the report prints no number for the stiffness";
    t.force.figure = Product(t.stiffness.figure, t.deflection.figure);
    if (!t.force.figure.known())
        t.force.note = t.deflection.note.empty() ? t.stiffness.note : t.deflection.note;
    return t;
}

void SummariseTiebacks(const ReportProblem& problem, int count, const StationResults& stations,
                       ProblemSummary& summary) {
    std::vector<EchoRow> rows;
    if (!TiebackRows(problem, count, rows)) {
        summary.notes.push_back("the report's spring rows do not end with the project's " +
                                std::to_string(count) +
                                " tieback rows; tieback forces are not given");
        return;
    }
    for (const EchoRow& row : rows) summary.tiebacks.push_back(ForceOf(row, stations));
}

}  // namespace

void SummariseWall(const ReportProblem& problem, const WallSources& sources,
                   const StationResults& stations, ProblemSummary& summary) {
    summary.increments = problem.increments;
    if (!Echoed(problem)) {
        const std::string missing = "the report does not echo the wall grid";
        for (Quantity* q : {&summary.increment_length, &summary.free_height, &summary.wall_length,
                            &summary.embedment})
            q->note = missing;
        return;
    }
    const bool exact = HeadFits(sources.head, problem);
    summary.increment_length = {
        exact ? sources.head->increment_length : problem.increment_length, {}, {}};
    summary.free_height = {exact ? sources.head->free_height : problem.free_height, {}, {}};
    summary.wall_length.figure = Scaled(summary.increment_length.figure, problem.increments);
    summary.embedment.figure = Difference(summary.wall_length.figure, summary.free_height.figure);
    if (!exact) {
        summary.notes.push_back(WithoutProjectReason(sources) +
                                "; the wall's lengths have the report's three decimals and "
                                "tieback forces are not given");
        return;
    }
    if (sources.head->tiebacks > 0)
        SummariseTiebacks(problem, sources.head->tiebacks, stations, summary);
}

}  // namespace keldra::results
