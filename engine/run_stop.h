// Fatal messages: a step that cannot go on writes its message to the report,
// preceded by two empty lines, and returns Step::kStop; the driver then ends
// the run in order (END OF ANALYSIS, the plot-data trailer, files closed).
#pragma once

#include <string>
#include <string_view>

#include "engine/free_format.h"
#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

inline constexpr std::string_view kStationsNotInOrder = "     ERROR STOP -- STATIONS NOT IN ORDER";
inline constexpr std::string_view kNegativeCount =
    "     ERROR -- NEGATIVE ROW COUNT IN THE INPUT DATA FILE";
// The point and line surcharge formulas scale by the free height.
inline constexpr std::string_view kSurchargeNeedsFreeHeight =
    "     ERROR STOP -- SURCHARGE LOADS NEED A FREE HEIGHT ABOVE ZERO";

// "MORE THAN <limit> <what>": a message that states a storage limit takes the
// number from the limit itself.
[[nodiscard]] std::string MoreThan(int limit, std::string_view what);

// Two empty lines and the message line.
[[nodiscard]] Step StopRun(EngineState& s, std::string_view message);

// "TOO MUCH DATA FOR AVAILABLE STORAGE", a line saying which limit was passed,
// and two empty lines.
[[nodiscard]] Step StopTooMuchData(EngineState& s, std::string_view which);

// A scratch file (TORVAL.001, SOILDATA, debug.dat) that could not be
// created, written or closed: the step after it would read a file cut short.
[[nodiscard]] Step StopOnScratchFile(EngineState& s, std::string_view name);

// The reader's failure: a value that is not a number, or the end of the file,
// with the file and the line.
[[nodiscard]] Step StopOnReadFailure(EngineState& s, const FreeFormatReader& in);

}  // namespace keldra
