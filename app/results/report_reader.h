// What a run's report holds for a summary: per problem its label, the
// iterations and warnings of its results section, the unit labels, the
// echo of the wall grid and of the stiffness and load rows, and the station
// lines of the results table; and the message of a run that stopped early.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "app/results/figure.h"
#include "app/results/problem_outcome.h"
#include "app/results/result_row.h"

namespace keldra::results {

struct UnitLabels {                     // from the unit line of the results section, blanks removed
    std::string length, force, moment;  // "IN", "LBS", "LBS-IN"
};

// A row of the stiffness and load echo. Its station columns are blank where
// the row continues a linear range.
struct EchoRow {
    std::optional<int> from, to;
    Figure lateral_stiffness;  // the S' column
    std::string lateral_stiffness_text;
};

struct ReportProblem : ProblemOutcome {
    UnitLabels units;
    int increments = 0;                    // NINC as echoed; 0 when the echo is missing
    Figure increment_length, free_height;  // as echoed, three decimals
    std::vector<EchoRow> echo_rows;
    std::vector<ResultRow> stations;  // stations 0 .. NINC
};

struct ReportContents {
    std::vector<ReportProblem> problems;
    bool ended = false;             // the report ends with END OF ANALYSIS
    std::vector<std::string> stop;  // the message of a run that stopped on its input
};

[[nodiscard]] ReportContents ReadReport(std::istream& report);

}  // namespace keldra::results
