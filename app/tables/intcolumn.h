#pragma once

#include "app/tables/storedcolumn.h"

// A 32-bit integer per row with a default, a minimum and a maximum. The
// limits bind typed entries; values set by the program are stored as given.
class TIntColumn : public TStoredColumn<int> {
  public:
    TIntColumn(const TColumnDefinition& definition, TGridTable& table);

    [[nodiscard]] int minimum() const { return m_definition.intMinimum; }
    [[nodiscard]] int maximum() const { return m_definition.intMaximum; }

    [[nodiscard]] int integer(int row) const override { return value(row); }
    void setInteger(int row, int value) override { store(row, value); }
    [[nodiscard]] QString text(int row, const QLocale& locale = QLocale()) const override;
    // "Entry must be an integer." when the fractional part exceeds 1E-10,
    // "Entry must be between <min> and <max>." outside the limits; the value
    // is then rounded to the nearest integer.
    void setFromText(int row, const QString& text, const QLocale& locale = QLocale()) override;
    [[nodiscard]] double minimumWidthInches() const override { return 0.5; }

  protected:
    [[nodiscard]] int defaultValue() const override { return m_definition.intDefault; }
};
