// A results summary as a table: one row per quantity with its unit, one
// column per problem; as aligned text and as tab-separated values. The
// desktop program shows it; a printed report can lay it out the same way.
#pragma once

#include <string>
#include <vector>

#include "app/results/results_summary.h"

namespace keldra::results {

struct SummaryTable {
    struct Row {
        std::string quantity;
        std::string unit;  // empty when the problems' units differ: then each cell names its own
        std::vector<std::string> cells;  // one per problem
    };
    std::vector<std::string> problems;  // column captions: "Analysis", "Stage 2", "Long term"
    std::vector<Row> rows;
    std::vector<std::string> notes;  // how to read the table, what is missing, why the run stopped
};

// A problem's label as a caption: "stage 2" as "Stage 2".
[[nodiscard]] std::string Capitalised(std::string text);

[[nodiscard]] SummaryTable TableOf(const ResultsSummary& summary);

// Aligned columns, then the notes.
[[nodiscard]] std::string TableText(const SummaryTable& table);
// A header line and one line per row, cells separated by tabs.
[[nodiscard]] std::string TableTabSeparated(const SummaryTable& table);

}  // namespace keldra::results
