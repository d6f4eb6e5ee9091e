// What keldra-run tells about a finished run, read from its report: per
// problem its label, iterations, warnings and the largest deflection, moment
// and shear with their depths; and the message of a run that stopped early.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace keldra::cli {

struct Extreme {
    double value = 0.0;  // signed value of the largest magnitude
    double depth = 0.0;
};

struct ProblemSummary {
    std::string label;  // "analysis", "stage 2", "short term", "long term"
    int iterations = 0;
    bool closed = true;  // within the tolerance and the allowable deflection
    std::vector<std::string> warnings;
    Extreme deflection, moment, shear;
};

struct UnitNames {  // from the unit line of the results section
    std::string length, moment, force;
};

struct RunSummary {
    UnitNames units;
    std::vector<ProblemSummary> problems;
    bool ended = false;             // the report ends with END OF ANALYSIS
    std::vector<std::string> stop;  // the message of a run that stopped on its input
};

[[nodiscard]] RunSummary SummariseReport(std::istream& report);

}  // namespace keldra::cli
