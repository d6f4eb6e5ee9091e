// The wall of a problem in the summary: its length and the embedment below
// the excavation, from the report's echo of the grid or, when the project
// file of the same run is at hand, from its exact inputs; and the force of
// every tieback, which the report echoes as a single-station spring among
// the spring rows, the last of them.
#pragma once

#include "app/results/project_heads.h"
#include "app/results/report_reader.h"
#include "app/results/results_summary.h"
#include "app/results/station_results.h"

namespace keldra::results {

struct WallSources {
    bool project_given = false;         // a project file was read
    const ProjectHead* head = nullptr;  // its block of this problem
};

// Fills the grid, the embedment and the tieback forces of `summary`.
void SummariseWall(const ReportProblem& problem, const WallSources& sources,
                   const StationResults& stations, ProblemSummary& summary);

}  // namespace keldra::results
