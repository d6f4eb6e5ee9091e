#include "app/project/filenumber.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSignificantDigits = 8;
// With the rounded value written 0.d1d2... x 10^e, fixed notation covers these exponents.
constexpr int kLowestFixedExponent = -3;
constexpr int kHighestFixedExponent = 8;

}  // namespace

QByteArray fileNumberText(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";

    // "d.ddddddde±x": the eight significant digits, correctly rounded, and the exponent.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, std::fabs(value));
    QByteArray digits;
    digits.append(buffer[0]);
    digits.append(buffer + 2, kSignificantDigits - 1);
    const int e = std::atoi(buffer + kSignificantDigits + 2) + 1;
    while (digits.size() > 1 && digits.endsWith('0')) digits.chop(1);

    QByteArray text = value < 0 ? "-" : "";
    if (e < kLowestFixedExponent || e > kHighestFixedExponent) {
        text += digits.left(1);
        if (digits.size() > 1) text += '.' + digits.mid(1);
        text += 'E' + QByteArray::number(e - 1);
    } else if (e <= 0) {
        text += "0." + QByteArray(-e, '0') + digits;
    } else if (digits.size() <= e) {
        text += digits + QByteArray(e - digits.size(), '0');
    } else {
        text += digits.left(e) + '.' + digits.mid(e);
    }
    return text;
}
