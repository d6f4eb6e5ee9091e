#include "app/results/station_results.h"

#include <cmath>

namespace keldra::results {

namespace {

const char* const kReportDigits = "; the results have the report's three digits";

bool Agree(const ResultRow& printed, const ResultRow& precise) {
    for (int c = 0; c < kColumnCount; ++c) {
        const Figure &a = printed.value[c], &b = precise.value[c];
        if (a.known() != b.known() || (a.known() && !Agree(a, b))) return false;
    }
    return true;
}

// The plot data's block of the problem when it holds the report's stations
// and one below the tip, each agreeing with the report to its digits.
bool PlotRowsFit(const std::vector<ResultRow>& printed, const std::vector<ResultRow>& plot) {
    if (printed.empty() || plot.size() != printed.size() + 1) return false;
    for (std::size_t i = 0; i < printed.size(); ++i)
        if (!Agree(printed[i], plot[i])) return false;
    return true;
}

}  // namespace

Quantity StationResults::ValueAt(int station, Column column) const {
    if (station < 0 || station >= count())
        return {{}, {}, "station " + std::to_string(station) + " is not a station of the wall"};
    Quantity q{rows_[station].value[column], printed_[station].text[column], {}};
    if (!q.figure.known())
        q.note = "the results hold no number at station " + std::to_string(station) +
                 " (a value that is not finite or too large to print)";
    return q;
}

Extreme StationResults::Largest(Column column) const {
    Extreme largest;
    if (count() == 0) {
        largest.value.note = largest.depth.note = "the report has no results table";
        return largest;
    }
    for (int i = 0; i < count(); ++i) {
        const Figure& value = rows_[i].value[column];
        if (!value.known()) return {i, ValueAt(i, column), ValueAt(i, kDepth)};
        if (largest.station < 0 ||
            std::fabs(value.value) > std::fabs(rows_[largest.station].value[column].value)) {
            largest.station = i;
        }
    }
    largest.value = ValueAt(largest.station, column);
    largest.depth = ValueAt(largest.station, kDepth);
    return largest;
}

StationResults ResultsAt(const ReportProblem& problem, const StationSources& sources,
                         std::vector<std::string>& notes) {
    const std::vector<ResultRow>& printed = problem.stations;
    if (sources.plot_rows && PlotRowsFit(printed, *sources.plot_rows))
        return {printed, *sources.plot_rows};
    if (!sources.plot_given)
        notes.push_back(std::string("the plot data cannot be read") + kReportDigits);
    else if (!sources.plot_rows)
        notes.push_back(std::string("the plot data holds no results of this problem") +
                        kReportDigits);
    else
        notes.push_back(std::string("the plot data does not match the report") + kReportDigits);
    return {printed, printed};
}

}  // namespace keldra::results
