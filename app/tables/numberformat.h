#pragma once

#include <QString>

// The general number format shared by the tables, the evaluator and the
// project data file: the value rounded to a number of significant digits,
// trailing zeros dropped, fixed notation while the decimal exponent e of
// 0.d1d2... x 10^e lies in -3..digits, otherwise one digit, the remaining
// digits, "E", a minus sign only for a negative exponent and the exponent
// without leading zeros (12.5, 100, 0.0001, 1E-5, 2.5E-6, 1.2345679E8).
class TNumberFormat {
  public:
    static constexpr int kFileDigits = 8;        // project files and cell texts
    static constexpr int kEvaluatorDigits = 18;  // intermediate results of the evaluator

    // decimalPoint is "." in files and the user's regional separator on screen.
    [[nodiscard]] static QString general(double value, int significantDigits,
                                         const QString& decimalPoint = QStringLiteral("."));
};
