// The results of a run in brief, per problem (each construction stage, or
// the short-term and the long-term analysis): iterations, closure and
// warnings; the top deflection; the largest deflection, bending moment,
// shear and soil reaction with their depths; the wall length and the
// embedment below the excavation; and the force of every tieback.
//
// Values are in the project's units, labelled as the report labels them.
// Each keeps the digits of its most precise source: the plot data prints
// the result rows with four significant digits, the report with three, and
// the project file holds the inputs exactly. The report's own field text is
// kept beside a value wherever the report prints it.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "app/results/figure.h"
#include "app/results/problem_outcome.h"

namespace keldra::results {

struct Units {  // "IN", "LBS", "LBS-IN", "LBS/IN"; "M", "KN", "KN-M", "KN/M"
    std::string length, force, moment, stiffness;
};

struct Quantity {
    Figure figure;        // without a number when unknown
    std::string printed;  // the report's field text, where the report prints the value
    std::string note;     // why the value is unknown
};

// The value of the largest magnitude over the stations 0 .. NINC, with its
// sign, and the first station where it occurs.
struct Extreme {
    int station = -1;
    Quantity value, depth;
};

// A tieback acts on the wall as a lateral spring at one station: its force
// is the spring's stiffness times the wall's deflection there. Deflection is
// positive toward the excavation, so a positive force pulls the wall back
// toward the backfill and stretches the anchor (tension); a negative one
// means the wall was pushed into the backfill and the engine's linear spring
// carried compression, which a real anchor cannot.
struct TiebackForce {
    int station = 0;
    Quantity depth, stiffness, deflection, force;
};

struct ProblemSummary : ProblemOutcome {
    Units units;
    int increments = 0;  // NINC
    Quantity increment_length, free_height;
    Quantity wall_length;  // NINC · H
    Quantity embedment;    // the wall below the excavation level: NINC · H − free height
    Quantity top_deflection;
    Extreme deflection, moment, shear, reaction;
    std::vector<TiebackForce> tiebacks;
    std::vector<std::string> notes;  // where a source is missing or does not agree
};

struct ResultsSummary {
    std::vector<ProblemSummary> problems;
    bool ended = false;             // the report ends with END OF ANALYSIS
    std::vector<std::string> stop;  // the message of a run that stopped on its input
    std::string error;              // the report could not be read
};

// The summary of a report, with the plot data and the project file of the
// same run when given (null when the file is missing or unreadable).
[[nodiscard]] ResultsSummary Summarise(std::istream& report, std::istream* plot_data,
                                       std::istream* project);

struct RunFiles {
    std::string report, plot_data, project;
};

// The same from the files of a run.
[[nodiscard]] ResultsSummary SummariseFiles(const RunFiles& files);

}  // namespace keldra::results
