// Stand-in until p-y curve generation is part of the engine: a project that
// asks for generated p-y curves ends its run in order.
#include "engine/generation.h"
#include "engine/run_stop.h"

namespace keldra {

Step GenerateSoilData(EngineState& s) {
    return StopRun(s, "     GENERATED P-Y CURVES ARE NOT AVAILABLE");
}

}  // namespace keldra
