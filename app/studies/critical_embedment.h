// The critical embedment of a study: the shortest studied embedment from
// which every longer studied embedment (itself included) closes and has a
// top deflection within 1 % of the top deflection at the longest studied
// embedment. Lengthening the wall beyond it changes the top deflection by
// less than that.
#pragma once

#include <optional>
#include <vector>

namespace keldra::studies {

inline constexpr double kCriticalDeflectionTolerance = 0.01;

struct EmbedmentPoint {
    double embedment = 0.0;
    bool closed = false;
    double top_deflection = 0.0;  // NaN when unknown
};

// `points` in any order; empty when no studied embedment qualifies.
[[nodiscard]] std::optional<double> CriticalEmbedment(std::vector<EmbedmentPoint> points);

}  // namespace keldra::studies
