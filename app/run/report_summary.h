// What a finished run's report tells in brief: per problem its label,
// iterations, warnings and the largest deflection, moment and shear with
// their depths; and the message of a run that stopped early.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace keldra::run {

// A value is shown as the report prints it: its field text keeps the digits
// the report holds, no more.
struct Extreme {
    double value = 0.0;  // signed value of the largest magnitude
    double depth = 0.0;
    std::string value_text = "0.000E+00", depth_text = "0.000E+00";  // the report's fields
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

}  // namespace keldra::run
