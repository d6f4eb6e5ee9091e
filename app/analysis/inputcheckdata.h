// What the checks before a run read of the project.
#pragma once

#include "app/analysis/inputchecks.h"

class TProgramData;

// The values the checks read of the current stage of `project` and its tables: the wall
// stiffness rows, the moment vs EI sets when that option is on, the soil layers and, with the
// short-term and long-term analyses, the long-term soil layers.
[[nodiscard]] TInputCheckData inputCheckDataOf(const TProgramData& project);
