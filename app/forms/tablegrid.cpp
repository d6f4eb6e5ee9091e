#include "app/forms/tablegrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

QWidget* TCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    m_editor = QStyledItemDelegate::createEditor(parent, option, index);
    return m_editor;
}

void TCellDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == m_editor) m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool TCellDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event))) {
        if (auto* editor = qobject_cast<QWidget*>(object)) emit commitData(editor);
        emit enterPressed();
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

TTableGrid::TTableGrid(QWidget* parent)
    : QTableWidget(parent), m_delegate(new TCellDelegate(this)) {
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    connect(m_delegate, &TCellDelegate::enterPressed, this, &TTableGrid::walkOnEnter);
}

bool TTableGrid::isTextColumn(int column) const {
    for (int r = 0; r < rowCount(); ++r)
        if (const QTableWidgetItem* cell = item(r, column))
            return cell->flags().testFlag(Qt::ItemIsEnabled);
    return false;
}

QWidget* TTableGrid::cellEditor() const { return m_delegate->openEditor(); }

bool TTableGrid::commitCurrent() {
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 0 || column < 0 || !commitCell) return true;
    if (QWidget* editor = m_delegate->openEditor()) emit m_delegate->commitData(editor);
    return commitCell(row, column, false);
}

void TTableGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    if (m_reverting) return;
    if (previous.isValid() && commitCell && !commitCell(previous.row(), previous.column(), true)) {
        // The entry was refused: the selection stays on the cell being edited.
        m_reverting = true;
        setCurrentIndex(previous);
        m_reverting = false;
        setFocus();
        editCurrent();
        return;
    }
    editCurrent();
    emit gridTouched();
}

void TTableGrid::editCurrent() {
    const QModelIndex index = currentIndex();
    if (index.isValid() && (model()->flags(index) & Qt::ItemIsEditable) &&
        state() != QAbstractItemView::EditingState)
        edit(index);
}

QPoint TTableGrid::enterTarget(int row, int column) const {
    if (row + 1 < rowCount()) return {column, row + 1};
    for (int c = column + 1; c < columnCount(); ++c)
        if (isTextColumn(c)) return {c, 0};
    for (int c = 0; c < columnCount(); ++c)
        if (isTextColumn(c)) return {c, 0};
    return {column, row};
}

void TTableGrid::walkOnEnter() {
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 0 || column < 0) return;
    const QPoint target = enterTarget(row, column);
    if (target == QPoint(column, row)) {
        // A single cell: commit it where it stands.
        if (commitCurrent()) editCurrent();
        return;
    }
    setCurrentCell(target.y(), target.x());
}

void TTableGrid::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event)) {
        walkOnEnter();
    } else {
        QTableWidget::keyPressEvent(event);
    }
    emit gridTouched();
}
