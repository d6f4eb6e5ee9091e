// The strength study: the factor of safety on the soil strength, searched
// with copies of a project whose soil is weaker by each tried factor.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "app/studies/study_runs.h"

namespace keldra::studies {

struct StrengthRow {
    double factor = 0.0;
    bool closed = false;
    QString project;      // the file name of the studied project
    std::string failure;  // why it has no results
};

struct StrengthStudy {
    std::vector<StrengthRow> rows;  // by factor
    std::optional<double> factor;   // none when the project does not close as given
    bool non_monotone = false;
    bool cancelled = false;
};

// Beyond it the soil has hardly any strength left to divide.
inline constexpr double kLargestFactor = 1000.0;

// Writes the studied projects into `folder` and runs them, a round of
// `options.jobs` factors at a time. Raises std::invalid_argument for a
// precision outside (0, 1] or a largest factor outside [1, 1000].
[[nodiscard]] StrengthStudy RunStrengthStudy(const QString& project, const QString& folder,
                                             double precision, double maximum,
                                             const StudyRunOptions& options);

}  // namespace keldra::studies
