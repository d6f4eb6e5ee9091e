#pragma once

#include "app/tables/storedcolumn.h"

// A real per row, in the table's unit system, with a unit string and a default.
//
// Linked depth pair: a column with the top-depth flag is the top of a layer
// and the next column (which must be a float column) its bottom. Writing the
// top of row r also writes the bottom of row r-1, writing the bottom of row r
// the top of row r+1; inserted and deleted rows keep the layers contiguous.
class TFloatColumn : public TStoredColumn<double> {
  public:
    TFloatColumn(const TColumnDefinition& definition, TGridTable& table);

    [[nodiscard]] const QString& unitString() const { return m_definition.unitString; }
    [[nodiscard]] double defaultReal() const { return m_definition.floatDefault; }
    [[nodiscard]] bool isTopDepth() const { return m_definition.topDepth; }
    // The unit label in the table's current unit system ("lbs/ft^3", "kN/m^3").
    [[nodiscard]] QString unitLabel() const;
    // Factor from the values shown in this column to the engine's units when
    // the table is in English units (ft -> in: 12, pcf -> pci: 1/1728); 1 in
    // SI and generic units. The file writer multiplies by it, the reader divides.
    [[nodiscard]] double engineFactor() const;

    [[nodiscard]] QString titleLine(int index) const override;
    [[nodiscard]] double real(int row) const override { return value(row); }
    void setReal(int row, double value) override;
    [[nodiscard]] QString text(int row, const QLocale& locale = QLocale()) const override;
    void setFromText(int row, const QString& text, const QLocale& locale = QLocale()) override;
    void convertUnits(int from, int to) override;
    [[nodiscard]] double minimumWidthInches() const override { return 0.5; }

    // Kept contiguous by the owning table after rows are inserted or deleted
    // (called on the top column of a linked pair).
    void linkInsertedRows(int first, int count);
    void linkAfterDeletion(int deletedRow);

  protected:
    [[nodiscard]] double defaultValue() const override { return m_definition.floatDefault; }

  private:
    [[nodiscard]] TFloatColumn* bottomPartner() const;  // next column when this is a top
    [[nodiscard]] TFloatColumn* topPartner() const;     // previous column when that is a top
};
