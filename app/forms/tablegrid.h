// The string grid of a table window: text cells edited in place with an
// editor that opens on the current cell, cells with in-cell controls that
// cannot be selected, a commit of the edited cell before every move that can
// refuse the move, and the Enter-key walk down the columns.
#pragma once

#include <QStyledItemDelegate>
#include <QTableWidget>
#include <functional>

class TCellDelegate;

class TTableGrid : public QTableWidget {
    Q_OBJECT

  public:
    explicit TTableGrid(QWidget* parent = nullptr);

    // Stores the text of a cell into the table; false when the entry was
    // refused (the message has been shown). `moving`: the user moves on to
    // another cell.
    std::function<bool(int row, int column, bool moving)> commitCell;

    // Commits the current cell with the text typed so far; false when refused.
    bool commitCurrent();
    // The cell the Enter key moves to from (row, column): the next row, from
    // the last row the first row of the next text column, from the last
    // column the first row of the first text column.
    [[nodiscard]] QPoint enterTarget(int row, int column) const;
    // Opens the editor on the current cell, as the grid always shows it.
    void editCurrent();
    [[nodiscard]] bool isTextColumn(int column) const;
    // The editor open on the current cell, if any.
    [[nodiscard]] QWidget* cellEditor() const;

    // The size that shows the columns and rows the window asks for.
    void setPreferredSize(const QSize& size) {
        m_preferred = size;
        updateGeometry();
    }
    [[nodiscard]] QSize sizeHint() const override { return m_preferred; }
    // The window sets the grid's least size itself (the rows shown, the row buttons' width).
    [[nodiscard]] QSize minimumSizeHint() const override { return {}; }

  signals:
    // Emitted after every key press and cell change (the chart redraws).
    void gridTouched();

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void walkOnEnter();

    TCellDelegate* m_delegate;
    bool m_reverting = false;
    QSize m_preferred;
};

// The cell editor: a line edit whose Enter key walks to the next cell. It
// remembers its open editor so the text typed so far can be committed.
class TCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    [[nodiscard]] QWidget* openEditor() const { return m_editor; }

  signals:
    void enterPressed();

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    mutable QWidget* m_editor = nullptr;
};
