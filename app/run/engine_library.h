// Where the runners find the engine: every run loads it afresh from there.
#pragma once

#include <string>

namespace keldra::run {

// libKeldraEngine.so in the folder of the running program.
[[nodiscard]] std::string EngineLibraryPath();

}  // namespace keldra::run
