#pragma once

#include <optional>
#include <vector>

#include "app/graphs/line.h"

// A value range of one axis.
struct TAxisRange {
    double min = 0.0;
    double max = 0.0;

    [[nodiscard]] double width() const { return max - min; }
    friend bool operator==(const TAxisRange&, const TAxisRange&) = default;
};

// The x and y ranges of one panel.
struct TPanelRange {
    TAxisRange x;
    TAxisRange y;
    friend bool operator==(const TPanelRange&, const TPanelRange&) = default;
};

// The step a range is rounded to: 10^floor(log10 R), a tenth of that when the fractional part
// of log10 R is below log10 3. Empty when no usable step results (zero or not finite).
[[nodiscard]] std::optional<double> RangeStep(double width);

// Widens [min, max] (which contains 0) away from zero to whole multiples of its step; an empty
// range first grows by 0.01 each way. Empty when no usable step results.
[[nodiscard]] std::optional<TAxisRange> RoundedRange(double min, double max);

// The rounded x and y ranges over every point of every curve (visible or not), always
// including 0. Empty when a range has no usable step.
[[nodiscard]] std::optional<TPanelRange> CurveRange(const std::vector<TLine>& curves);

// One tick of an axis: every minor tick gets a tick mark, every major one also a grid line and
// a label.
struct TTick {
    double value = 0.0;
    bool major = false;
};

// The major step for a raw step range / n: g, 2g, 5g or 10g with g = 10^floor(log10 step).
[[nodiscard]] double MajorStep(double rawStep);

// The ticks of a view range divided into about `divisions` parts: minor ticks at every whole
// multiple of a fifth of the major step inside the range. No ticks for divisions <= 0.
[[nodiscard]] std::vector<TTick> AxisTicks(TAxisRange view, int divisions);

// A label value in general format with 4 significant digits.
[[nodiscard]] QString TickLabel(double value);
