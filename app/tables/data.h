#pragma once

#include <QLocale>
#include <QString>

class TColumn;
class TGridTable;

// Handle of one cell: a column and a row. Valid while the column exists and
// no rows are inserted before or deleted at or before the row.
class TData {
  public:
    TData(TColumn& column, int row) : m_column(&column), m_row(row) {}

    [[nodiscard]] TColumn& column() const { return *m_column; }
    [[nodiscard]] int row() const { return m_row; }

    [[nodiscard]] TGridTable* subTable() const;
    [[nodiscard]] double real() const;
    [[nodiscard]] int integer() const;
    [[nodiscard]] QString text(const QLocale& locale = QLocale()) const;
    void setReal(double value) const;
    void setInteger(int value) const;

  private:
    TColumn* m_column;
    int m_row;
};
