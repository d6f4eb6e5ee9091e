// A subdivision check in JSON: one object per problem, in the order of the
// run's summary.
#pragma once

#include "app/results/json_writer.h"
#include "app/studies/subdivision_check.h"

namespace keldra::studies {

// An array of objects with the members "status" ("compared", "not
// applicable", "failed"), "reason", "layers_split", "layers_with_curves",
// "top_deflection_change_percent", "max_moment_change_percent" (null where
// the run as given has 0), "warning" and "lines" (the text of the check).
void WriteSubdivisionCheck(results::JsonWriter& json, const SubdivisionCheck& check);

}  // namespace keldra::studies
