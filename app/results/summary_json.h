// A results summary in JSON: the members "ended", "stop" and "problems" of
// the current object. Every value is a JSON number with the digits of its
// source, with its unit beside it; a value without a number is null and a
// "note" says why.
#pragma once

#include "app/results/json_writer.h"
#include "app/results/results_summary.h"

namespace keldra::results {

void WriteSummaryMembers(JsonWriter& json, const ResultsSummary& summary);

}  // namespace keldra::results
