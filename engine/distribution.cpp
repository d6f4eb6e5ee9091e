#include "engine/distribution.h"

#include "engine/input_grid.h"
#include "engine/run_stop.h"

namespace keldra {

DistributedGroup::DistributedGroup(EngineState& s, std::initializer_list<double*> targets) : s_(s) {
    for (double* target : targets) {
        if (count_ < kMaxRowValues) targets_[count_++] = target;
    }
}

Step DistributedGroup::AddRow(int from, int to, int contd, const double* values, int& ksw) {
    if (contd != 1 && contd != 2) {
        return StopRun(s_, "     ERROR -- CONTINUATION CHOICE (CONTD) OTHER THAN 1 OR 2");
    }
    if (!HasStationSlot(s_, from) || !HasStationSlot(s_, to)) {
        return StopRun(
            s_, "     ERROR -- STATION OUTSIDE THE WALL GRID IN STIFFNESS, LOAD OR SPRING DATA");
    }
    const int c = contd - 1;
    ksw = 2 * c_prev_ + c + 1;
    c_prev_ = c;
    auto remember = [&](int station) {
        start_station_ = station;
        for (int v = 0; v < count_; ++v) start_values_[v] = values[v];
    };
    switch (ksw) {
        case 1:
            return AddRange(from, to, values, values);
        case 2:
            remember(from);
            return Step::kContinue;
        default: {
            double start[kMaxRowValues];
            for (int v = 0; v < count_; ++v) start[v] = start_values_[v];
            if (AddRange(start_station_, to, start, values) == Step::kStop) return Step::kStop;
            if (ksw == 4) remember(to);
            return Step::kContinue;
        }
    }
}

Step DistributedGroup::AddRange(int a, int b, const double* va, const double* vb) {
    if (b < a) return StopRun(s_, kStationsNotInOrder);
    for (int v = 0; v < count_; ++v) {
        double* target = targets_[v];
        for (int i = a; i <= b; ++i) {
            const double fraction = b == a ? 0.0 : static_cast<double>(i - a) / (b - a);
            target[i + kStationOffset] += va[v] + (vb[v] - va[v]) * fraction;
        }
        if (b > a) {
            target[a + kStationOffset] -= 0.5 * va[v];
            target[b + kStationOffset] -= 0.5 * vb[v];
        }
    }
    return Step::kContinue;
}

}  // namespace keldra
