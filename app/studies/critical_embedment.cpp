#include "app/studies/critical_embedment.h"

#include <algorithm>
#include <cmath>

namespace keldra::studies {

std::optional<double> CriticalEmbedment(std::vector<EmbedmentPoint> points) {
    std::sort(points.begin(), points.end(), [](const EmbedmentPoint& a, const EmbedmentPoint& b) {
        return a.embedment < b.embedment;
    });
    if (points.empty()) return std::nullopt;
    const double reference = points.back().top_deflection;
    const double allowance = kCriticalDeflectionTolerance * std::fabs(reference);
    std::optional<double> critical;
    for (auto it = points.rbegin(); it != points.rend(); ++it) {
        // NaN compares false, so an unknown deflection never qualifies.
        if (!it->closed || !(std::fabs(it->top_deflection - reference) <= allowance)) break;
        critical = it->embedment;
    }
    return critical;
}

}  // namespace keldra::studies
