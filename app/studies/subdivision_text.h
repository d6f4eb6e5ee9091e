// The lines that tell a problem's subdivision check, the same in the
// runner's summary, the desktop program and the calculation report.
#pragma once

#include <string>
#include <vector>

#include "app/studies/subdivision_check.h"

namespace keldra::studies {

// "Subdivision check: splitting every soil layer in two changes the top
// deflection by +52 % and the maximum moment by +9 %", followed by a warning
// line when a change is larger than kTrustedChangePercent.
[[nodiscard]] std::vector<std::string> CheckLines(const ProblemCheck& check);

// The lines of every problem's check. With more than one problem each line
// follows its problem's label as the summary's notes name it: "Stage 2:
// Subdivision check: ...".
[[nodiscard]] std::vector<std::string> CheckLines(const results::ResultsSummary& summary,
                                                  const SubdivisionCheck& check);

// A relative change as the check states it: "+52 %", "-3 %", "0 %".
[[nodiscard]] std::string PercentText(double percent);

}  // namespace keldra::studies
