#include "engine/run_stop.h"

#include "engine/fixed_line.h"

namespace keldra {

std::string MoreThan(int limit, std::string_view what) {
    return "MORE THAN " + std::to_string(limit) + " " + std::string(what);
}

Step StopRun(EngineState& s, std::string_view message) {
    WriteEmptyLine(s.files.report);
    WriteEmptyLine(s.files.report);
    FixedLine().Text(message).WriteTo(s.files.report);
    return Step::kStop;
}

Step StopTooMuchData(EngineState& s, std::string_view which) {
    (void)StopRun(s, "     TOO MUCH DATA FOR AVAILABLE STORAGE");
    FixedLine().X(5).Text(which).WriteTo(s.files.report);
    WriteEmptyLine(s.files.report);
    WriteEmptyLine(s.files.report);
    return Step::kStop;
}

Step StopOnScratchFile(EngineState& s, std::string_view name) {
    FixedLine message;
    message.Text("     ERROR STOP -- THE SCRATCH FILE ").Text(name).Text(" CANNOT BE WRITTEN");
    return StopRun(s, message.View());
}

Step StopOnReadFailure(EngineState& s, const FreeFormatReader& in) {
    const FixedLine line = FixedLine().Integer(in.failure_line());
    FixedLine message;
    message.X(5);
    if (in.failure() == ReadFailure::kEndOfFile) {
        message.Text("ERROR -- ").Text(in.name()).Text(" ENDS EARLY, AT LINE ").Text(line.View());
    } else {
        message.Text("ERROR -- VALUE IN LINE ").Text(line.View()).Text(" OF ").Text(in.name());
        message.Text(" IS NOT A NUMBER OF THE KIND EXPECTED");
    }
    return StopRun(s, message.View());
}

}  // namespace keldra
