#include "engine/state.h"

namespace keldra {

namespace {
// Static storage: zero when the library is loaded, never allocated.
EngineState gEngine;
}  // namespace

EngineState& Engine() { return gEngine; }

}  // namespace keldra
