#pragma once

#include <memory>
#include <vector>

#include "app/tables/column.h"

// One sub-table per row, shown as a button. Each row's sub-table is a clone
// (definition and minimum default rows, not values) of the template chosen by
// the row's first-column choice when the first column is a choice column,
// else of the only template. Templates are identifiers, resolved at use
// among the tables of the owning table's family. A missing template leaves
// the row without a sub-table.
class TTableColumn : public TColumn {
  public:
    TTableColumn(const TColumnDefinition& definition, TGridTable& table);
    ~TTableColumn() override;

    // One template identifier per choice of the first column (or exactly one), -1 for none.
    [[nodiscard]] const QList<int>& templates() const { return m_definition.templates; }
    // Pads with -1 or cuts the template list to the first column's choices.
    void alignTemplates();

    [[nodiscard]] int rowCount() const override { return static_cast<int>(m_subTables.size()); }
    void insertRows(int first, int count) override;
    void deleteRow(int row) override;
    // Replaces the row's sub-table by a fresh clone of the template of the
    // row's current choice; the old sub-table and its values are freed.
    void replaceSubTable(int row);

    [[nodiscard]] TGridTable* subTable(int row) const override;
    // Button text "<row number>: <sub-table caption>", empty without sub-table.
    [[nodiscard]] QString buttonCaption(int row) const;
    [[nodiscard]] QString text(int row, const QLocale& locale = QLocale()) const override;
    void setFromText(int row, const QString& text, const QLocale& locale = QLocale()) override;

    [[nodiscard]] bool isModified() const override;
    void clearModified() override;
    void convertUnits(int from, int to) override;
    void adoptUnitSystem(int unitSystem) override;
    [[nodiscard]] bool usesCellControls() const override { return true; }
    [[nodiscard]] double minimumWidthInches() const override { return 2.0; }

  private:
    [[nodiscard]] std::unique_ptr<TGridTable> cloneTemplateFor(int row) const;
    void renumberFrom(int row);

    std::vector<std::unique_ptr<TGridTable>> m_subTables;
};
