// The head of every input block of a project file: the wall grid and the
// number of tieback rows, which the report does not echo. A staged project's
// blocks begin at its " Stage No :" lines; the long-term block of a project
// repeats the head of the short-term one.
#pragma once

#include <istream>
#include <vector>

#include "app/results/figure.h"

namespace keldra::results {

struct ProjectHead {
    int increments = 0;                    // NINC
    Figure increment_length, free_height;  // exact inputs
    int tiebacks = 0;                      // rows of tieback data; none in older layouts
};

// The heads in block order: the first block's, then one per " Stage No :"
// line. A head whose records cannot be read has no increments.
[[nodiscard]] std::vector<ProjectHead> ReadProjectHeads(std::istream& project);

}  // namespace keldra::results
