// The results of a problem's stations 0 .. NINC, from the more precise of
// the two files that print them: the plot data's rows when they agree with
// the report's table, else the report's own.
#pragma once

#include <string>
#include <vector>

#include "app/results/report_reader.h"
#include "app/results/result_row.h"
#include "app/results/results_summary.h"

namespace keldra::results {

struct StationSources {
    bool plot_given = false;                            // a plot-data file was read
    const std::vector<ResultRow>* plot_rows = nullptr;  // its block of this problem
};

class StationResults {
  public:
    // Both outlive the object; `rows` holds at least the stations of `printed`.
    StationResults(const std::vector<ResultRow>& printed, const std::vector<ResultRow>& rows)
        : printed_(printed), rows_(rows) {}

    [[nodiscard]] int count() const { return static_cast<int>(printed_.size()); }
    // The value at a station, with the report's text of it.
    [[nodiscard]] Quantity ValueAt(int station, Column column) const;
    [[nodiscard]] Extreme Largest(Column column) const;

  private:
    const std::vector<ResultRow>& printed_;
    const std::vector<ResultRow>& rows_;
};

// Chooses the rows of `problem`; says in `notes` why the report's digits
// had to do.
[[nodiscard]] StationResults ResultsAt(const ReportProblem& problem, const StationSources& sources,
                                       std::vector<std::string>& notes);

}  // namespace keldra::results
