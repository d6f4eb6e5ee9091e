// The search for the factor by which the soil strength can be divided while
// every problem still closes: factors doubling from 1 up to a maximum until
// one fails, then bisection between the largest closing factor and the
// first failure. Each round proposes as many factors as runs go in
// parallel. Factors lie on the grid of the precision, so the answer is one
// that was run.
#pragma once

#include <map>
#include <optional>
#include <vector>

namespace keldra::studies {

class StrengthSearch {
  public:
    StrengthSearch(double precision, double maximum, int per_round);

    // The factors to run next; empty when the search is over.
    [[nodiscard]] std::vector<double> Next() const;
    void Record(double factor, bool closed);

    // The largest closing factor below the first failure; none when the
    // project does not close at 1.
    [[nodiscard]] std::optional<double> Answer() const;
    // Whether some factor closed above a failing one.
    [[nodiscard]] bool NonMonotone() const;
    [[nodiscard]] const std::map<long, bool>& tried() const { return tried_; }
    [[nodiscard]] double Factor(long step) const { return step * precision_; }

  private:
    [[nodiscard]] std::optional<long> FirstFailure() const;
    [[nodiscard]] long LargestClosingBelow(long limit) const;

    double precision_;
    long maximum_;  // in steps of the precision
    int per_round_;
    std::map<long, bool> tried_;  // factor in steps of the precision -> closed
};

}  // namespace keldra::studies
