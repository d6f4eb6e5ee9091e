// A copy of a project with weaker soil: in every stage and soil profile, the
// cohesion of clays and silts and the compressive strength of rocks are
// divided by the factor, and the tangent of every friction angle too. Unit
// weights, stiffnesses (k, E50, E), user tables and everything else stay.
#pragma once

#include <QString>

namespace keldra::studies {

// Writes `target`: `source` with its soil strength divided by `factor`.
// Raises EInOutError.
void WriteStrengthVariant(const QString& source, const QString& target, double factor);

}  // namespace keldra::studies
