#pragma once

#include <QLocale>
#include <QRegularExpression>
#include <QString>

// The numeric-entry evaluator: every numeric input accepts an arithmetic
// expression. It works on text: the innermost parenthesised groups are
// evaluated first and replaced by the text of their value, then the flat
// expression is cut into operands and operators and reduced in four passes
// (^; * / % &; + - |; =), left to right, every intermediate result written
// back as text (general format, 18 significant digits).
//
// Operands are numbers with the locale's decimal separator (an exponent with
// "E" and no plus sign), the constants pi and e, functions applied to the
// operand that follows their name (sqrt16, sin(pi/2)), a factorial "n!" and
// a hexadecimal "$1F".
//
// Failures raise EAssignError with "Entry could not be evaluated:", a
// carriage return and the reason; arithmetic faults (division by zero,
// invalid operations, overflow) raise EMathError with the platform's text.
class TEvaluator {
  public:
    // The locale gives the decimal separator: the user's on screen.
    explicit TEvaluator(const QLocale& locale = QLocale());

    [[nodiscard]] double evaluate(const QString& text) const;
    [[nodiscard]] double evaluateOperand(const QString& operand) const;

    // The message for an operand that is no number, constant or function.
    [[nodiscard]] static QString invalidCharactersMessage();

  private:
    [[nodiscard]] QString toText(double value) const;
    [[nodiscard]] double decimal(const QString& operand) const;

    QString m_decimalPoint;
    QRegularExpression m_number;  // a decimal number with that separator
};
