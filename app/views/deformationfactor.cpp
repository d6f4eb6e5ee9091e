#include "app/views/deformationfactor.h"

#include <algorithm>
#include <cmath>

namespace DeformationFactor {
namespace {

// digit × 10^exponent, divided rather than multiplied for negative exponents so that 6 tenths
// is the double nearest to 0.6.
double scaled(double digit, int exponent) {
    return exponent >= 0 ? digit * std::pow(10.0, exponent) : digit / std::pow(10.0, -exponent);
}

double step(double factor, int by) {
    if (factor <= 0.0) return 1.0;
    int exponent = static_cast<int>(std::floor(std::log10(factor)));
    // The leading digit, guarded against a quotient a hair below a whole number.
    int digit = static_cast<int>(std::floor(factor / scaled(1.0, exponent) + 1e-9));
    if (digit >= 10) {
        digit = 1;
        ++exponent;
    }
    if (digit + by == 0) return scaled(9.0, exponent - 1);
    return scaled(digit + by, exponent);
}

}  // namespace

double stepUp(double factor) { return step(factor, 1); }

double fit(const std::vector<double>& deflection, double wallLength) {
    double largest = 0.0;
    for (double w : deflection)
        if (std::isfinite(w)) largest = std::max(largest, std::fabs(w));
    if (largest <= 0.0 || !(wallLength > 0.0)) return 0.0;
    constexpr double kShownShare = 0.1;  // of the wall length
    const double factor = kShownShare * wallLength / largest;
    const int exponent = static_cast<int>(std::floor(std::log10(factor)));
    const double digit = std::round(factor / scaled(1.0, exponent));
    return scaled(digit, exponent);
}
double stepDown(double factor) { return step(factor, -1); }

}  // namespace DeformationFactor
