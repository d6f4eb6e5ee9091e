// The distribution rule that turns the rows of the stiffness, load and spring
// groups into station values.
//
// A row names FROM, TO, a choice CONTD (1: the row stands alone, 2: its
// values vary linearly to the next row) and its values. With c = CONTD - 1
// and c_prev the previous row's c, KSW = 2 c_prev + c + 1:
//   1  this row alone: FROM .. TO at this row's values
//   2  starts a linear range: remember (FROM, values)
//   3  ends a linear range: remembered start .. TO, linear between the values
//   4  as 3, then remember (TO, values) as the next start
// A range a .. b adds v_a + (v_b - v_a)(i - a)/(b - a) at every station i and,
// when b > a, takes half the end values off again at a and b, so abutting
// ranges share their end stations.
#pragma once

#include <initializer_list>

#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

inline constexpr int kMaxRowValues = 3;

class DistributedGroup {
  public:
    // The station arrays the row values go to, in value order (at most three).
    DistributedGroup(EngineState& s, std::initializer_list<double*> targets);

    // Distributes one row; stops on a CONTD other than 1 and 2, a station
    // outside the storage and a range that ends before it starts. `ksw` gets
    // the row's KSW for its echo.
    Step AddRow(int from, int to, int contd, const double* values, int& ksw);

  private:
    Step AddRange(int a, int b, const double* va, const double* vb);

    EngineState& s_;
    double* targets_[kMaxRowValues] = {};
    int count_ = 0;
    int c_prev_ = 0;
    int start_station_ = 0;
    double start_values_[kMaxRowValues] = {};
};

}  // namespace keldra
