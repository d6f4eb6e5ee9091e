#include "app/tables/data.h"

#include "app/tables/column.h"

TGridTable* TData::subTable() const { return m_column->subTable(m_row); }
double TData::real() const { return m_column->real(m_row); }
int TData::integer() const { return m_column->integer(m_row); }
QString TData::text(const QLocale& locale) const { return m_column->text(m_row, locale); }
void TData::setReal(double value) const { m_column->setReal(m_row, value); }
void TData::setInteger(int value) const { m_column->setInteger(m_row, value); }
