// A copy of a project with the wall's tip moved: the increment length stays
// and the number of increments changes, so the embedment below the
// excavation changes by whole increments. Everything tied to the tip
// follows it in every stage: rows of the wall stiffness, the specified
// deflections and slopes, the concentrated loads, the springs, the
// moment-EI sections and the tiebacks that reached the old tip node reach
// the new one, and rows below the new tip are dropped or clipped; user p-y
// curves below a shorter tip are dropped, the deepest one moves down to a
// longer tip. Depth tables (p-y factors, distributed
// loads) are cut at a shorter tip, their values there interpolated, and
// continue with their deepest values below a longer one when they ended at
// the old tip. A soil profile that ends above the new tip is deepened by its
// deepest layer. A wall whose tip would lie above one of its tiebacks is
// refused: it would no longer be the anchored wall that was drawn.
#pragma once

#include <QString>

namespace keldra::studies {

// The station storage of the engine holds no more increments than this.
inline constexpr int kMaxIncrements = 407;

// The wall of a project in its small length unit (in, m or L). The
// excavation is the free height of the last stage, the deepest one.
struct WallGeometry {
    int units = 1;
    int increments = 0;
    double increment_length = 0.0;
    double excavation = 0.0;

    [[nodiscard]] double Embedment(int increments_) const {
        return increments_ * increment_length - excavation;
    }
    // The number of increments whose embedment is nearest to `embedment`.
    [[nodiscard]] int IncrementsFor(double embedment) const;
};

// "in", "m" or "L".
[[nodiscard]] QString LengthUnit(int units);

// Reads the wall of `project`, opened from a copy in a scratch folder.
// Raises EInOutError with the reader's message when it cannot be read.
[[nodiscard]] WallGeometry ReadWallGeometry(const QString& project);

// Writes `target`: `source` with `increments` increments in every stage.
// Raises EInOutError, also when a tieback lies below the new tip.
void WriteEmbedmentVariant(const QString& source, const QString& target, int increments);

}  // namespace keldra::studies
