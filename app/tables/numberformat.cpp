#include "app/tables/numberformat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

QString TNumberFormat::general(double value, int significantDigits, const QString& decimalPoint) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0) return QStringLiteral("0");

    // "%.*e" rounds to the significant digits: "-d.ddddde+XX".
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, std::fabs(value));
    const QString scientific = QString::fromLatin1(buffer);
    const qsizetype exponentAt = scientific.indexOf(u'e');
    QString digits = scientific.left(exponentAt).remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0')) digits.chop(1);
    const int exponent10 = std::atoi(buffer + exponentAt + 1);  // value = d.ddd x 10^exponent10
    const int e = exponent10 + 1;                               // value = 0.dddd x 10^e

    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (e >= -3 && e <= significantDigits) {
        if (e <= 0)
            text += u'0' + decimalPoint + QString(-e, u'0') + digits;
        else if (digits.size() <= e)
            text += digits + QString(e - digits.size(), u'0');
        else
            text += digits.left(e) + decimalPoint + digits.mid(e);
    } else {
        text += digits.left(1);
        if (digits.size() > 1) text += decimalPoint + digits.mid(1);
        text += u'E' + QString::number(exponent10);
    }
    return text;
}
