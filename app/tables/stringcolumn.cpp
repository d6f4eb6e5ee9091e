#include "app/tables/stringcolumn.h"

TStringColumn::TStringColumn(const TColumnDefinition& definition, TGridTable& table)
    : TStoredColumn<QString>(definition, table) {}

QString TStringColumn::text(int row, const QLocale&) const { return value(row); }

void TStringColumn::setFromText(int row, const QString& text, const QLocale&) {
    setText(row, text);
}
