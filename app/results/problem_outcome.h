// How a problem's iterations ended, as its results section tells.
#pragma once

#include <string>
#include <vector>

namespace keldra::results {

struct ProblemOutcome {
    std::string label;  // "analysis", "stage 2", "short term", "long term"
    int iterations = 0;
    bool closed = true;  // within the tolerance and the allowable deflection
    std::vector<std::string> warnings;
};

}  // namespace keldra::results
