#pragma once

#include <QByteArray>

// The text of a real number in project data files: rounded to 8 significant digits, trailing
// zeros dropped, fixed notation for magnitudes from 0.0001 up to below 1E9 (and for 0),
// otherwise one digit, the decimal point and the remaining digits, "E" and the exponent without
// leading zeros or plus sign (1E-5, 1.2345679E8). The decimal separator is always ".".
[[nodiscard]] QByteArray fileNumberText(double value);
