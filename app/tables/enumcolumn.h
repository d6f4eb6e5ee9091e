#pragma once

#include "app/tables/storedcolumn.h"

// A drop-down choice per row: the choice number 1..n of the definition's
// choice texts; new rows get choice 1. When the table's first column is a
// choice column, changing a row's choice replaces the row's sub-tables.
class TEnumColumn : public TStoredColumn<int> {
  public:
    TEnumColumn(const TColumnDefinition& definition, TGridTable& table);

    [[nodiscard]] const QStringList& choices() const { return m_definition.choices; }
    // New choice texts; the table's sub-table columns bring their template lists into line.
    void setChoices(const QStringList& choices);

    [[nodiscard]] int integer(int row) const override { return value(row); }
    void setInteger(int row, int value) override { store(row, value); }
    [[nodiscard]] QString text(int row, const QLocale& locale = QLocale()) const override;
    // "Value must be an integer." unless the entry is a whole 32-bit number,
    // "Entry must be between 1 and <n>." unless it names a choice.
    void setFromText(int row, const QString& text, const QLocale& locale = QLocale()) override;
    [[nodiscard]] bool usesCellControls() const override { return true; }
    [[nodiscard]] double minimumWidthInches() const override { return 1.5; }

  protected:
    [[nodiscard]] int defaultValue() const override { return 1; }
    void rowChanged(int row) override;
};
