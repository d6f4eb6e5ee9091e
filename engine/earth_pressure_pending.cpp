// Stand-in until earth-pressure generation is part of the engine: a project
// that asks for generated earth pressure ends its run in order.
#include "engine/generation.h"
#include "engine/run_stop.h"

namespace keldra {

Step GenerateEarthPressure(EngineState& s) {
    return StopRun(s, "     GENERATED EARTH PRESSURE IS NOT AVAILABLE");
}

double SurchargePressureAt(const EngineState&, double) { return 0.0; }

}  // namespace keldra
