#include "app/tables/intcolumn.h"

#include <cmath>

#include "app/tables/tableerror.h"

TIntColumn::TIntColumn(const TColumnDefinition& definition, TGridTable& table)
    : TStoredColumn<int>(definition, table) {}

QString TIntColumn::text(int row, const QLocale&) const { return QString::number(value(row)); }

void TIntColumn::setFromText(int row, const QString& text, const QLocale& locale) {
    constexpr double kWholeTolerance = 1E-10;
    const double entry = evaluateEntry(text, locale);
    if (std::fabs(entry - std::trunc(entry)) > kWholeTolerance)
        throw EAssignError(QStringLiteral("Entry must be an integer."));
    if (entry < minimum() || entry > maximum())
        throw EAssignError(
            QStringLiteral("Entry must be between %1 and %2.").arg(minimum()).arg(maximum()));
    setInteger(row, static_cast<int>(std::lround(entry)));
}
