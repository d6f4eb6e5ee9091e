#include "app/studies/strength_search.h"

#include <algorithm>
#include <cmath>

namespace keldra::studies {

StrengthSearch::StrengthSearch(double precision, double maximum, int per_round)
    : precision_(precision),
      maximum_(std::max(1L, static_cast<long>(std::floor(maximum / precision + 1e-9)))),
      per_round_(std::max(1, per_round)) {}

std::optional<long> StrengthSearch::FirstFailure() const {
    for (const auto& [step, closed] : tried_)
        if (!closed) return step;
    return std::nullopt;
}

long StrengthSearch::LargestClosingBelow(long limit) const {
    long largest = 0;
    for (const auto& [step, closed] : tried_)
        if (closed && step < limit) largest = step;
    return largest;
}

std::vector<double> StrengthSearch::Next() const {
    const long one = std::lround(1.0 / precision_);
    std::vector<double> next;
    const std::optional<long> failure = FirstFailure();
    if (failure && *failure <= one) return next;  // does not close as given
    if (!failure) {
        // Bracketing: 1, 2, 4, ... up to the maximum.
        long step = tried_.empty() ? one : tried_.rbegin()->first * 2;
        if (!tried_.empty() && tried_.rbegin()->first >= maximum_) return next;
        while (static_cast<int>(next.size()) < per_round_) {
            step = std::min(step, maximum_);
            next.push_back(Factor(step));
            if (step == maximum_) break;
            step *= 2;
        }
        return next;
    }
    // Bisection: the open interval between the largest closing factor and
    // the first failure, cut into per_round + 1 parts on the grid.
    const long low = LargestClosingBelow(*failure);
    const long gap = *failure - low;
    for (int k = 1; k <= per_round_; ++k) {
        const long step = low + gap * k / (per_round_ + 1);
        if (step > low && step < *failure && (next.empty() || Factor(step) != next.back()))
            next.push_back(Factor(step));
    }
    return next;
}

void StrengthSearch::Record(double factor, bool closed) {
    tried_[std::lround(factor / precision_)] = closed;
}

std::optional<double> StrengthSearch::Answer() const {
    const std::optional<long> failure = FirstFailure();
    const long largest = LargestClosingBelow(failure ? *failure : maximum_ + 1);
    if (largest == 0) return std::nullopt;
    return Factor(largest);
}

bool StrengthSearch::NonMonotone() const {
    const std::optional<long> failure = FirstFailure();
    if (!failure) return false;
    return std::any_of(tried_.begin(), tried_.end(),
                       [&](const auto& t) { return t.second && t.first > *failure; });
}

}  // namespace keldra::studies
