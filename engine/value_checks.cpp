#include "engine/value_checks.h"

#include "engine/run_stop.h"

namespace keldra {

bool Satisfies(Bound bound, double value) {
    return bound == Bound::kPositive ? value > 0.0 : value >= 0.0;
}

FixedLine OutOfBoundLine(const Quantity& q, Bound bound, double value, std::string_view where) {
    FixedLine line;
    line.Text("     ERROR STOP -- ").Text(q.name);
    line.Text(bound == Bound::kPositive ? " MUST BE POSITIVE: " : " MUST NOT BE NEGATIVE: ");
    line.Text(q.symbol).Text(" = ").E(10, 3, value).Text(where);
    return line;
}

Step RequireValue(EngineState& s, const Quantity& q, Bound bound, double value,
                  std::string_view where) {
    if (Satisfies(bound, value)) return Step::kContinue;
    return StopRun(s, OutOfBoundLine(q, bound, value, where).View());
}

}  // namespace keldra
