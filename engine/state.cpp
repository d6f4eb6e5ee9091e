#include "engine/state.h"

#include <new>

namespace keldra {

namespace {
// Static storage: zero when the library is loaded, never allocated.
EngineState gEngine;
}  // namespace

EngineState& Engine() { return gEngine; }

void ResetEngine() {
    gEngine.~EngineState();
    new (&gEngine) EngineState{};
}

}  // namespace keldra
