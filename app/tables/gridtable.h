#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "app/tables/column.h"
#include "app/tables/data.h"
#include "app/tables/unitstring.h"

class TColumnStream;
class TTableRegistry;

// A data table: an ordered list of typed columns (owned) sharing one row
// count. It adds and removes rows in groups, converts units, tracks its
// modified state and tells an open editing window about changes.
//
// Values are held in the table's unit system (1 English, 2 SI, 3 generic) in
// the units shown to the user: an English depth in a column with unit "L2" is
// in feet. Use TFloatColumn::engineFactor() for the units of the files.
//
// Every table belongs to the registry of its family; the registry gives it
// its identifier and finds sub-table templates by identifier. A sub-table
// (the table of one row of a TTableColumn) knows its owning table and its row
// number, which appears in its window caption.
class TGridTable : public QObject {
    Q_OBJECT

  public:
    // A table with no columns and no rows in the unit system of its owner
    // table, else English.
    explicit TGridTable(TTableRegistry& registry, const TGridTable* ownerTable = nullptr);
    ~TGridTable() override;

    // A clone of this table as the sub-table of row `rowNumber` (counted from
    // 1) of `owner`: caption, comments, top-left text, help picture, minimum
    // and maximum rows and the column definitions, then MinRows default rows.
    // The clone is not modified.
    [[nodiscard]] virtual std::unique_ptr<TGridTable> cloneAsSubTable(const TGridTable& owner,
                                                                      int rowNumber) const;

    // Properties of the form description.
    [[nodiscard]] const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }
    // Note of the table window; "\r" separates its lines.
    [[nodiscard]] const QString& comments() const { return m_comments; }
    void setComments(const QString& comments) { m_comments = comments; }
    [[nodiscard]] int identifier() const { return m_identifier; }
    // Swaps with the table that holds `identifier`; negative values are ignored.
    void setIdentifier(int identifier);
    [[nodiscard]] int minRows() const { return m_minRows; }
    // Raises ETableError "Value must be greater than 0" for n <= 0.
    void setMinRows(int n);
    [[nodiscard]] int maxRows() const { return m_maxRows; }  // 0 = no limit
    void setMaxRows(int n) { m_maxRows = n; }
    [[nodiscard]] int rowGroup() const { return m_rowGroup; }
    void setRowGroup(int size) { m_rowGroup = size < 1 ? 1 : size; }
    [[nodiscard]] const QString& topLeft() const { return m_topLeft; }
    void setTopLeft(const QString& text) { m_topLeft = text; }
    // Name of the picture shown in the table window; empty for none.
    [[nodiscard]] const QString& helpPicture() const { return m_helpPicture; }
    void setHelpPicture(const QString& name) { m_helpPicture = name; }
    [[nodiscard]] bool hardwiredButton() const { return m_hardwiredButton; }
    void setHardwiredButton(bool on) { m_hardwiredButton = on; }

    // Columns. column(i) and visibleColumn(i) raise "Index out of bounds".
    [[nodiscard]] int columnCount() const { return static_cast<int>(m_columns.size()); }
    [[nodiscard]] TColumn& column(int index) const;
    [[nodiscard]] int visibleColumnCount() const;
    [[nodiscard]] TColumn& visibleColumn(int index) const;
    [[nodiscard]] int visiblePosition(const TColumn& column) const;  // -1 when hidden
    [[nodiscard]] int positionOf(const TColumn& column) const;
    // Appends a column of the definition with the table's rows at their
    // defaults. A top-depth float column must be followed by a float column.
    TColumn& addColumn(const TColumnDefinition& definition);
    void removeAllColumns();  // also removes the rows

    // Cells. A handle stays valid until rows are inserted or deleted.
    [[nodiscard]] TData cell(int column, int row) const;
    [[nodiscard]] double real(int column, int row) const { return cell(column, row).real(); }
    void setReal(int column, int row, double value) { cell(column, row).setReal(value); }
    [[nodiscard]] int integer(int column, int row) const { return cell(column, row).integer(); }
    void setInteger(int column, int row, int value) { cell(column, row).setInteger(value); }
    [[nodiscard]] QString text(int column, int row, const QLocale& locale = QLocale()) const;
    void setFromText(int column, int row, const QString& text, const QLocale& locale = QLocale());
    [[nodiscard]] TGridTable* subTable(int column, int row) const {
        return cell(column, row).subTable();
    }

    // Rows. Rows are added and removed in groups of rowGroup(); new rows hold
    // the column defaults (sub-table columns: fresh clones of their templates).
    [[nodiscard]] int rowCount() const { return m_rowCount; }
    void setRowCount(int n);  // negative counts as 0; rows leave or join at the end
    void ensureMinRows();     // pads to minRows() with default rows
    void addRowGroup();
    void insertRowGroup(int row);  // before the group of `row`
    void deleteRowGroup(int row);  // the group of `row`

    // Unit system. setUnitSystem converts every value by the factor of its
    // column's unit string; adoptUnitSystem only relabels (for default or
    // freshly read values). Sub-tables follow.
    [[nodiscard]] int unitSystem() const { return m_unitSystem; }
    void setUnitSystem(int unitSystem);
    void adoptUnitSystem(int unitSystem);
    [[nodiscard]] virtual TUnitDialect unitDialect() const { return TUnitDialect::Plain; }

    // Modified: the table's flag or any sub-table's. setModified(false) also
    // clears every sub-table.
    [[nodiscard]] bool isModified() const;
    void setModified(bool modified);

    // Sub-table bookkeeping.
    [[nodiscard]] const TGridTable* ownerTable() const { return m_ownerTable; }
    [[nodiscard]] int rowNumber() const { return m_rowNumber; }  // 0 for a top-level table
    // " 1" for a sub-table of row 1, " 2 3" for row 3 of a sub-table of row 2, empty at top level.
    [[nodiscard]] QString rowNumberChain() const;
    // Caption, one blank and the row-number chain: "Sand  1".
    [[nodiscard]] QString windowCaption() const;
    [[nodiscard]] TTableRegistry& registry() const { return m_registry; }
    // Whether this table is `other`, a clone of it, or lies inside one of those.
    [[nodiscard]] bool descendsFrom(const TGridTable& other) const;

    // The column definitions as typed values (the form description's "Col"):
    // the column count, then per column its class code and fields.
    virtual void writeColumns(TColumnStream& stream) const;
    // Replaces columns and rows by the stream's column definitions. Raises
    // "Error reading column count", "Error Column Class not defined" or
    // "Error occured when creating column <position>: <reason>"; the columns
    // read before the failing one stay.
    virtual void readColumns(TColumnStream& stream);

    // Called by the columns.
    void noteCellChanged(const TColumn& column, int row);
    void replaceSubTables(int row);  // the first-column choice of `row` changed
    void alignTemplates();           // columns or choices changed

  signals:
    void cellChanged(int column, int row);
    void rowsChanged();

  protected:
    // Copies what a clone shares with its template (besides the columns).
    virtual void copyPropertiesTo(TGridTable& clone) const;
    [[nodiscard]] virtual std::unique_ptr<TGridTable> createEmpty(const TGridTable& owner) const;

  private:
    friend class TTableRegistry;
    friend class TTableColumn;
    void setRowNumber(int number) { m_rowNumber = number; }
    void insertRows(int first, int count);
    void deleteRow(int row);
    void linkDepths(int first, int count, bool inserted);
    void readColumn(TColumnStream& stream, int position);

    TTableRegistry& m_registry;
    const TGridTable* m_ownerTable = nullptr;
    const TGridTable* m_template = nullptr;  // the table this one was cloned from
    int m_identifier = 0;
    QString m_caption;
    QString m_comments;
    QString m_topLeft;
    QString m_helpPicture;
    int m_minRows = 1;
    int m_maxRows = 0;
    int m_rowGroup = 1;
    bool m_hardwiredButton = false;
    int m_rowNumber = 0;
    int m_unitSystem = kEnglishUnits;
    bool m_modified = false;
    int m_rowCount = 0;
    std::vector<std::unique_ptr<TColumn>> m_columns;
};
