#include "engine/run_stop.h"

#include "engine/fixed_line.h"

namespace keldra {

Step StopRun(EngineState& s, std::string_view message) {
    WriteEmptyLine(s.files.report);
    WriteEmptyLine(s.files.report);
    FixedLine().Text(message).WriteTo(s.files.report);
    return Step::kStop;
}

}  // namespace keldra
