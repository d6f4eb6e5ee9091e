// TTableForm: the window in which the user edits one data table: a grid with
// a column of row numbers and a header block of title lines, one grid column
// per visible table column, the row buttons, the table's note and its help
// picture. Typed cells are stored through the column's text entry when the
// user moves on; a refused entry keeps the cell and the window.
#pragma once

#include <QPointer>
#include <QWidget>
#include <limits>
#include <vector>

#include "app/forms/gridsnap.h"
#include "app/widgets/editedvalues.h"

class QBoxLayout;
class QCloseEvent;
class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;
class TColumn;
class TGridTable;
class TTableGrid;
class TTableWindows;
class TUserPrompts;

class TTableForm : public QWidget, public TEditedValues {
    Q_OBJECT

  public:
    static constexpr int kMaxRowsShown = 10;

    // Call build() once the object is complete.
    TTableForm(TGridTable& table, TTableWindows& windows, bool modal, QWidget* parent = nullptr);
    ~TTableForm() override;

    // Lays out the window for its table; the table gets at least MinRows rows.
    void build();

    [[nodiscard]] TGridTable* table() const { return m_table; }
    [[nodiscard]] TTableGrid* grid() const { return m_grid; }
    [[nodiscard]] QPushButton* addButton() const { return m_add; }
    [[nodiscard]] QPushButton* insertButton() const { return m_insert; }
    [[nodiscard]] QPushButton* deleteButton() const { return m_delete; }
    [[nodiscard]] QLabel* note() const { return m_note; }
    [[nodiscard]] QWidget* helpPicture() const { return m_picture; }
    // Data rows and columns shown at once.
    [[nodiscard]] int rowsShown() const { return m_rowsShown; }
    [[nodiscard]] int columnsShown() const;
    // The in-cell control of a visible row (drop-down list or button), or nullptr.
    [[nodiscard]] QWidget* cellControl(int row, int gridColumn) const;

    // Row buttons; each first stores the cell being edited.
    void addRow();
    void insertRow();
    void deleteRow();

    // Stores the cell being edited; false when the entry was refused (its
    // message has been shown). The main window calls it before it reads the
    // project.
    bool storeValues() override;
    // Sizes the window to hold the columns and rows shown.
    void fitToContent();
    // The table is gone: the window closes without storing.
    void detach();

  protected:
    // The most data rows shown at once.
    [[nodiscard]] virtual int maxRowsShown() const { return kMaxRowsShown; }
    // Hooks of the charted window: what stands above the grid and below the
    // row buttons, and what follows every rebuild of the grid.
    virtual void addAboveGrid(QVBoxLayout& layout);
    virtual void addBelowRowButtons(QVBoxLayout& layout);
    virtual void gridRebuilt() {}
    virtual void gridTouched() {}

    [[nodiscard]] TUserPrompts& prompts() const;
    [[nodiscard]] TTableWindows& windows() const { return m_windows; }
    // Shows the message of a failed action in an information box.
    void showError(const QString& message);
    // Recomputes the grid's size from the rows shown.
    void updateGridSize();
    void setRowsShown(int rows) { m_rowsShown = rows; }

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void rebuild();
    void fillHeader();
    void fillRows();
    void placeCellControls(int row);
    void refreshTexts();
    void refreshCell(int column, int row);
    void updateRowButtons();
    [[nodiscard]] bool commitCell(int row, int gridColumn);
    [[nodiscard]] int rowButtonTextWidth() const;
    [[nodiscard]] TGridMetrics gridMetrics() const;
    void snapToWholeCells();
    [[nodiscard]] QWidget* frameWidget();
    [[nodiscard]] int columnWidth(const TColumn& column) const;
    [[nodiscard]] int dataRowForButtons();
    void growRowsShown(bool allShownBefore);
    void chooseRow(int row, int gridColumn, int choice);
    void openSubTable(int row, int gridColumn);
    void leaveGrid();

    TGridTable* m_table;
    TTableWindows& m_windows;
    bool m_modal;
    int m_rowsShown = 0;
    int m_columnsShown = std::numeric_limits<int>::max();  // clamped to the columns there are
    bool m_snapping = false;
    bool m_rebuilding = false;
    bool m_committing = false;
    TTableGrid* m_grid = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_insert = nullptr;
    QPushButton* m_delete = nullptr;
    QLabel* m_note = nullptr;
    QWidget* m_picture = nullptr;
    // Leaving the grid stores the edit; it watches the application's focus
    // and must stop before the window is taken apart.
    QMetaObject::Connection m_focusWatch;
};
