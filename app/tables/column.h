#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <memory>

#include "app/tables/columndefinition.h"

class TGridTable;

// A typed column of a data table: its definition (title lines, visibility,
// group sharing and the fields of its class) and the cell values of every row.
// A column belongs to one table and always holds exactly the table's rows.
//
// Asking a column for a kind of value it does not hold raises EInvalidCast
// ("Data of wrong type"); a row outside 0..rowCount-1 raises ETableError
// ("Index out of bounds"). Writing a value that differs from the stored one
// marks the table modified and tells its window.
class TColumn {
  public:
    virtual ~TColumn() = default;
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    // A column of the definition's class, with no rows, for `table`.
    [[nodiscard]] static std::unique_ptr<TColumn> create(const TColumnDefinition& definition,
                                                         TGridTable& table);

    [[nodiscard]] TGridTable& table() const { return m_table; }
    [[nodiscard]] const TColumnDefinition& definition() const { return m_definition; }
    [[nodiscard]] TColumnClass classCode() const { return m_definition.classCode; }

    [[nodiscard]] const QStringList& titleLines() const { return m_definition.titleLines; }
    void setTitleLines(const QStringList& lines) { m_definition.titleLines = lines; }
    [[nodiscard]] int titleLineCount() const;
    // Title line as shown in the grid header; a float column with a unit
    // string appends " (" + unit label + ")  " to its last line.
    [[nodiscard]] virtual QString titleLine(int index) const;
    [[nodiscard]] bool isVisible() const { return m_definition.visible; }
    void setVisible(bool visible) { m_definition.visible = visible; }
    [[nodiscard]] bool isGroupShared() const { return m_definition.groupShared; }
    void setGroupShared(bool shared) { m_definition.groupShared = shared; }

    // Row storage; only the owning table calls these, for all its columns at once.
    [[nodiscard]] virtual int rowCount() const = 0;
    virtual void insertRows(int first, int count) = 0;  // default values
    virtual void deleteRow(int row) = 0;

    [[nodiscard]] virtual TGridTable* subTable(int row) const;  // TTableColumn; may be nullptr
    [[nodiscard]] virtual double real(int row) const;           // TFloatColumn
    virtual void setReal(int row, double value);
    [[nodiscard]] virtual int integer(int row) const;  // TEnumColumn (choice 1..n), TIntColumn
    virtual void setInteger(int row, int value);

    // Cell text: integers and choices in decimal, reals in the general format
    // with 8 significant digits and the locale's decimal separator, sub-table
    // columns empty.
    [[nodiscard]] virtual QString text(int row, const QLocale& locale = QLocale()) const = 0;
    // Typed entry: evaluated as an arithmetic expression (string columns store
    // the text as typed), validated and stored. Raises EAssignError with the
    // message for the user; the stored value is then unchanged.
    virtual void setFromText(int row, const QString& text, const QLocale& locale = QLocale()) = 0;

    [[nodiscard]] virtual bool isModified() const { return false; }  // sub-tables
    virtual void clearModified() {}

    // Unit switch of the table from `from` to `to`: float columns convert their
    // values, sub-table columns switch their sub-tables.
    virtual void convertUnits(int from, int to);
    // The table takes a unit system without converting values.
    virtual void adoptUnitSystem(int unitSystem);

    // Choice and sub-table columns edit through drop-down lists and buttons.
    [[nodiscard]] virtual bool usesCellControls() const { return false; }
    // The least width of the grid column; the window widens it to the widest
    // title line plus two blanks.
    [[nodiscard]] virtual double minimumWidthInches() const = 0;

    // Position of this column in its table.
    [[nodiscard]] int position() const;

  protected:
    TColumn(const TColumnDefinition& definition, TGridTable& table);

    void checkRow(int row) const;
    // The rows a write to `row` reaches: its whole group when shared.
    [[nodiscard]] std::pair<int, int> rowsWrittenBy(int row) const;
    // Called for every row whose value changed.
    virtual void rowChanged(int row);
    // The value of a typed numeric entry; raises EAssignError.
    [[nodiscard]] static double evaluateEntry(const QString& text, const QLocale& locale);

    TColumnDefinition m_definition;

  private:
    TGridTable& m_table;
};
