#include "app/graphs/axisrange.h"

#include <QString>
#include <algorithm>
#include <cmath>

namespace {

// Whole multiples are judged with a little slack, so that a value that is a multiple in
// decimal (0.3 of step 0.1) stays where it is despite binary rounding.
constexpr double kMultipleSlack = 1e-9;

double snapQuotient(double q) {
    const double nearest = std::round(q);
    return std::abs(q - nearest) <= kMultipleSlack * std::max(1.0, std::abs(q)) ? nearest : q;
}

double awayFromZero(double value, double step) {
    const double q = snapQuotient(value / step);
    return (q < 0 ? std::floor(q) : std::ceil(q)) * step;
}

}  // namespace

std::optional<double> RangeStep(double width) {
    if (!(width > 0.0) || !std::isfinite(width)) return std::nullopt;
    const double exponent = std::log10(width);
    const double whole = std::floor(exponent);
    double step = std::pow(10.0, whole);
    if (exponent - whole < std::log10(3.0)) step /= 10.0;
    if (!(step > 0.0) || !std::isfinite(step)) return std::nullopt;
    return step;
}

std::optional<TAxisRange> RoundedRange(double min, double max) {
    if (min == max) {
        max += 0.01;
        min -= 0.01;
    }
    const std::optional<double> step = RangeStep(max - min);
    if (!step) return std::nullopt;
    return TAxisRange{awayFromZero(min, *step), awayFromZero(max, *step)};
}

std::optional<TPanelRange> CurveRange(const std::vector<TLine>& curves) {
    TPanelRange raw;
    for (const TLine& curve : curves) {
        for (const TFloatPoint& p : curve.Points) {
            raw.x = {std::min(raw.x.min, p.X), std::max(raw.x.max, p.X)};
            raw.y = {std::min(raw.y.min, p.Y), std::max(raw.y.max, p.Y)};
        }
    }
    const std::optional<TAxisRange> x = RoundedRange(raw.x.min, raw.x.max);
    const std::optional<TAxisRange> y = RoundedRange(raw.y.min, raw.y.max);
    if (!x || !y) return std::nullopt;
    return TPanelRange{*x, *y};
}

double MajorStep(double rawStep) {
    const double g = std::pow(10.0, std::floor(std::log10(rawStep)));
    const int k = static_cast<int>(snapQuotient(rawStep / g));
    if (k < 2) return g;
    if (k < 5) return 2 * g;
    if (k < 9) return 5 * g;
    return 10 * g;
}

std::vector<TTick> AxisTicks(TAxisRange view, int divisions) {
    std::vector<TTick> ticks;
    if (divisions <= 0 || !(view.width() > 0.0) || !std::isfinite(view.width())) return ticks;
    const double minor = MajorStep(view.width() / divisions) / 5.0;
    const auto first = static_cast<long long>(std::ceil(snapQuotient(view.min / minor)));
    const auto last = static_cast<long long>(std::floor(snapQuotient(view.max / minor)));
    for (long long i = first; i <= last; ++i)
        ticks.push_back({static_cast<double>(i) * minor, i % 5 == 0});
    return ticks;
}

QString TickLabel(double value) { return QString::number(value, 'g', 4); }
