#pragma once

#include "app/tables/storedcolumn.h"

// A text per row, stored as typed, with a default text and a least width.
class TStringColumn : public TStoredColumn<QString> {
  public:
    TStringColumn(const TColumnDefinition& definition, TGridTable& table);

    [[nodiscard]] QString text(int row, const QLocale& locale = QLocale()) const override;
    void setText(int row, const QString& text) { store(row, text); }
    void setFromText(int row, const QString& text, const QLocale& locale = QLocale()) override;
    [[nodiscard]] double minimumWidthInches() const override {
        return m_definition.minimumWidthInches;
    }

  protected:
    [[nodiscard]] QString defaultValue() const override { return m_definition.stringDefault; }
};
