#pragma once

#include <vector>

#include "app/tables/column.h"

// A column that stores one value of type T per row.
template <class T>
class TStoredColumn : public TColumn {
  public:
    [[nodiscard]] int rowCount() const override { return static_cast<int>(m_values.size()); }
    void insertRows(int first, int count) override {
        m_values.insert(m_values.begin() + first, count, defaultValue());
    }
    void deleteRow(int row) override {
        checkRow(row);
        m_values.erase(m_values.begin() + row);
    }

  protected:
    using TColumn::TColumn;
    [[nodiscard]] virtual T defaultValue() const = 0;
    [[nodiscard]] const T& value(int row) const {
        checkRow(row);
        return m_values[row];
    }
    // Writes the row (its whole group when shared) and reports the rows that changed.
    void store(int row, const T& value) {
        checkRow(row);
        const auto [first, end] = rowsWrittenBy(row);
        for (int r = first; r < end; ++r) {
            if (m_values[r] == value) continue;
            m_values[r] = value;
            rowChanged(r);
        }
    }
    // Writes one row without sharing or linking (used by the linked depth pair).
    void storeRow(int row, const T& value) {
        if (m_values[row] == value) return;
        m_values[row] = value;
        TColumn::rowChanged(row);
    }

    std::vector<T> m_values;
};
