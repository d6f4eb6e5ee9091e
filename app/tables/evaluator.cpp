#include "app/tables/evaluator.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "app/tables/numberformat.h"
#include "app/tables/tableerror.h"

namespace {

constexpr std::array<const char*, 4> kPasses{"^", "*/%&", "+-|", "="};
const QString kOperatorCharacters = QStringLiteral("^*/%&+=|");
const QString kSignPrefixes = QStringLiteral("%&*+/=^|Ee-");

[[noreturn]] void fail(const char* reason) {
    throw EAssignError(QStringLiteral("Entry could not be evaluated:\r") + QLatin1String(reason));
}
[[noreturn]] void divisionByZero() {
    throw EMathError(QStringLiteral("Floating point division by zero"));
}
[[noreturn]] void invalidOperation() {
    throw EMathError(QStringLiteral("Invalid floating point operation"));
}

// The platform's floating-point faults for a result that is not a number.
double checked(double value) {
    if (std::isnan(value)) invalidOperation();
    if (std::isinf(value)) throw EMathError(QStringLiteral("Floating point overflow"));
    return value;
}

double reciprocal(double x) {
    if (x == 0) divisionByZero();
    return checked(1.0 / x);
}

// Truncation to a whole number of the given integer type.
template <class Int>
double truncatedTo(double x) {
    // The range is [min, -min): the maximum itself is not a double for 64 bits.
    const double lowest = static_cast<double>(std::numeric_limits<Int>::min());
    const double whole = std::trunc(x);
    if (!(whole >= lowest && whole < -lowest)) invalidOperation();
    return whole;
}

double logarithm(double x, double (*log)(double)) {
    if (x == 0) divisionByZero();
    return checked(log(x));
}

struct Function {
    const char* name;
    double (*apply)(double);
};

// Tested in this order, so that longer names win over their prefixes.
// Angles are in radians.
constexpr std::array<Function, 25> kFunctions{{
    {"arctanh", [](double x) { return checked(std::atanh(x)); }},
    {"arctan", [](double x) { return std::atan(x); }},
    {"cotan", [](double x) { return reciprocal(std::tan(x)); }},
    {"tanh", [](double x) { return std::tanh(x); }},
    {"tan", [](double x) { return checked(std::tan(x)); }},
    {"arccosh", [](double x) { return checked(std::acosh(x)); }},
    {"arccos", [](double x) { return checked(std::acos(x)); }},
    {"cosh", [](double x) { return checked(std::cosh(x)); }},
    {"cosec", [](double x) { return reciprocal(std::sin(x)); }},
    {"cos", [](double x) { return checked(std::cos(x)); }},
    {"sec", [](double x) { return reciprocal(std::cos(x)); }},
    {"arcsinh", [](double x) { return checked(std::asinh(x)); }},
    {"arcsin", [](double x) { return checked(std::asin(x)); }},
    {"sinh", [](double x) { return checked(std::sinh(x)); }},
    {"sin", [](double x) { return checked(std::sin(x)); }},
    {"csc", [](double x) { return reciprocal(std::sin(x)); }},
    {"abs", [](double x) { return std::fabs(x); }},
    {"frac", [](double x) { return x - std::trunc(x); }},
    {"int", [](double x) { return std::trunc(x); }},
    {"ln", [](double x) { return logarithm(x, [](double v) { return std::log(v); }); }},
    // Halves go to the even neighbour in the default rounding mode.
    {"round", [](double x) { return truncatedTo<long long>(std::nearbyint(x)); }},
    {"ceil", [](double x) { return truncatedTo<int>(std::ceil(x)); }},
    {"floor", [](double x) { return truncatedTo<int>(std::floor(x)); }},
    {"log", [](double x) { return logarithm(x, [](double v) { return std::log10(v); }); }},
    {"sqrt", [](double x) { return checked(std::sqrt(x)); }},
}};

bool isFunctionName(const QString& text) {
    for (const Function& function : kFunctions)
        if (text == QLatin1String(function.name)) return true;
    return false;
}

// A minus sign belongs to the following operand at the start, after a lone
// function name, "!" or "$", and after an operator character, an exponent
// letter or another minus sign; every other minus sign subtracts.
bool isSign(const QString& text, qsizetype at) {
    if (at == 0) return true;
    const QString before = text.left(at).toLower();
    if (isFunctionName(before) || before == u"!" || before == u"$") return true;
    return kSignPrefixes.contains(text[at - 1]);
}

double apply(QChar op, double a, double b) {
    switch (op.unicode()) {
        case u'^':
            if (a == 0 && b < 0) divisionByZero();
            return checked(std::pow(a, b));
        case u'*':
            return checked(a * b);
        case u'/':
            if (b == 0) a == 0 ? invalidOperation() : divisionByZero();
            return checked(a / b);
        case u'%': {
            const auto dividend = static_cast<long long>(truncatedTo<long long>(a));
            const auto divisor = static_cast<long long>(truncatedTo<long long>(b));
            if (divisor == 0) divisionByZero();
            return static_cast<double>(divisor == -1 ? 0 : dividend % divisor);
        }
        case u'&':
            return a != 0 && b != 0 ? 1 : 0;
        case u'+':
            return checked(a + b);
        case u'-':
            return checked(a - b);
        case u'|':
            return a != 0 || b != 0 ? 1 : 0;
        default:
            return a == b ? 1 : 0;  // '='
    }
}

}  // namespace

TEvaluator::TEvaluator(const QLocale& locale)
    : m_decimalPoint(locale.decimalPoint()),
      m_number(QStringLiteral("^-?(\\d+(%1\\d*)?|%1\\d+)(e-?\\d+)?$")
                   .arg(QRegularExpression::escape(m_decimalPoint))) {}

QString TEvaluator::invalidCharactersMessage() {
    return QStringLiteral("Entry could not be evaluated:\rinvalid character(s) in expression");
}

QString TEvaluator::toText(double value) const {
    return TNumberFormat::general(value, TNumberFormat::kEvaluatorDigits, m_decimalPoint);
}

double TEvaluator::evaluate(const QString& entry) const {
    if (entry.isEmpty()) fail("entry cannot be blank");
    QString text = entry;
    text.remove(u' ').remove(u'\t');

    // Innermost groups first: the last "(" before the first ")".
    for (qsizetype close = text.indexOf(u')'); close >= 0; close = text.indexOf(u')')) {
        const qsizetype open = text.lastIndexOf(u'(', close);
        if (open < 0) fail("() (parentheses) do not match");
        const double inner = evaluate(text.mid(open + 1, close - open - 1));
        text.replace(open, close - open + 1, toText(inner));
    }

    QStringList operands;
    QList<QChar> operators;
    QString operand;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (kOperatorCharacters.contains(c) || (c == u'-' && !isSign(text, i))) {
            operands.append(operand);
            operand.clear();
            operators.append(c);
        } else {
            operand += c;
        }
    }
    if (!operand.isEmpty()) operands.append(operand);
    if (operands.size() != operators.size() + 1) fail("invalid expression");

    for (const char* pass : kPasses) {
        const QString passOperators = QLatin1String(pass);
        for (qsizetype i = 0; i < operators.size();) {
            if (!passOperators.contains(operators[i])) {
                ++i;
                continue;
            }
            const double result =
                apply(operators[i], evaluateOperand(operands[i]), evaluateOperand(operands[i + 1]));
            operands[i] = toText(result);
            operands.removeAt(i + 1);
            operators.removeAt(i);
        }
    }
    return evaluateOperand(operands.front());
}

double TEvaluator::evaluateOperand(const QString& entry) const {
    QString operand = entry;
    while (operand.contains(QStringLiteral("--"))) operand.replace(QStringLiteral("--"), QString());
    operand = operand.toLower();

    if (operand == u"pi") return std::numbers::pi;
    if (operand == u"-pi") return -std::numbers::pi;
    if (operand == u"e") return std::numbers::e;
    if (operand == u"-e") return -std::numbers::e;

    for (const Function& function : kFunctions) {
        const QLatin1String name(function.name);
        if (operand.startsWith(name))
            return function.apply(evaluateOperand(operand.mid(name.size())));
    }

    if (operand.endsWith(u'!')) {
        const double n = evaluateOperand(operand.chopped(1));
        if (n != std::trunc(n)) fail("! (factoral) applicable to integers only");
        double product = 1;
        for (double k = 2; k <= std::fabs(n); ++k) product = checked(product * k);
        return n < 0 ? -product : product;
    }

    if (operand.startsWith(u'$')) {
        static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{1,8}$"));
        const QString digits = operand.mid(1);
        if (!hex.match(digits).hasMatch()) fail("invalid use of $ (hex function)");
        return static_cast<std::int32_t>(digits.toUInt(nullptr, 16));
    }

    return decimal(operand);
}

double TEvaluator::decimal(const QString& operand) const {
    if (!m_number.match(operand).hasMatch()) throw EAssignError(invalidCharactersMessage());
    QString plain = operand;
    plain.replace(m_decimalPoint, QStringLiteral("."));
    return checked(plain.toDouble());
}
