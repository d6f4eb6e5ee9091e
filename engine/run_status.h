// Outcome of one engine step. A step that finds a fatal input error writes its
// message to the report itself and returns kStop; the driver then goes
// straight to the orderly end of the run.
#pragma once

namespace keldra {

enum class [[nodiscard]] Step{kContinue, kStop};

}  // namespace keldra
