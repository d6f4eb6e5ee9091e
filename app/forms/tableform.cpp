#include "app/forms/tableform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QVBoxLayout>
#include <algorithm>

#include "app/forms/tablegrid.h"
#include "app/forms/tablewindows.h"
#include "app/tables/enumcolumn.h"
#include "app/tables/gridtable.h"
#include "app/tables/tablecolumn.h"
#include "app/tables/tableerror.h"
#include "app/widgets/sketch.h"
#include "app/widgets/userprompts.h"

namespace {

const QString kRowNotValid = QStringLiteral("Grid.Row not in valid range");

// The screen's pixels per inch.
int pixelsPerInch(const QWidget& widget) { return widget.logicalDpiX(); }

}  // namespace

TTableForm::TTableForm(TGridTable& table, TTableWindows& windows, bool modal, QWidget* parent)
    : QWidget(parent), m_table(&table), m_windows(windows), m_modal(modal) {}

// Closing a window moves the focus, and the focus watch would otherwise store
// into a form already half destroyed.
TTableForm::~TTableForm() { disconnect(m_focusWatch); }

TUserPrompts& TTableForm::prompts() const { return m_windows.prompts(); }

void TTableForm::build() {
    m_table->ensureMinRows();
    setWindowTitle(m_table->windowCaption());
    const int margin = pixelsPerInch(*this) / 20;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
    addAboveGrid(*layout);

    m_grid = new TTableGrid(this);
    m_grid->commitCell = [this](int row, int column, bool moving) {
        if (!commitCell(row, column)) return false;
        // Moving from one data cell to another marks the table modified, changed or not.
        if (moving && m_table) m_table->setModified(true);
        return true;
    };
    connect(m_grid, &TTableGrid::gridTouched, this, [this] { gridTouched(); });
    if (QAbstractButton* corner = m_grid->findChild<QAbstractButton*>()) {
        corner->installEventFilter(this);
        corner->setEnabled(false);
    }
    layout->addWidget(m_grid, 1);

    m_add = new QPushButton(QStringLiteral("&Add Row"), this);
    m_insert = new QPushButton(QStringLiteral("&Insert Row"), this);
    m_delete = new QPushButton(QStringLiteral("&Delete Row"), this);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(margin);
    for (QPushButton* b : {m_add, m_insert, m_delete}) buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_add, &QPushButton::clicked, this, &TTableForm::addRow);
    connect(m_insert, &QPushButton::clicked, this, &TTableForm::insertRow);
    connect(m_delete, &QPushButton::clicked, this, &TTableForm::deleteRow);
    const bool rowsCanChange = m_table->minRows() != m_table->maxRows();
    for (QPushButton* b : {m_add, m_insert, m_delete}) b->setVisible(rowsCanChange);

    addBelowRowButtons(*layout);

    m_note = new QLabel(QString(m_table->comments()).replace(u'\r', u'\n'), this);
    m_note->setVisible(!m_table->comments().isEmpty());
    layout->addWidget(m_note);
    m_picture = createSketch(m_table->helpPicture(), this);
    if (m_picture) layout->addWidget(m_picture);

    m_rowsShown = std::min(maxRowsShown(), m_table->rowCount());
    rebuild();

    connect(m_table, &TGridTable::rowsChanged, this, &TTableForm::rebuild);
    connect(m_table, &TGridTable::cellChanged, this, &TTableForm::refreshCell);
    m_focusWatch =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            const auto inGrid = [this](QWidget* w) {
                return w && (w == m_grid || m_grid->isAncestorOf(w));
            };
            if (inGrid(old) && !inGrid(now)) leaveGrid();
        });
    fitToContent();
}

// The window itself, or its child-window frame.
QWidget* TTableForm::frameWidget() { return parentWidget() && !isWindow() ? parentWidget() : this; }

// Sizes the window (or its child-window frame) to hold the columns and rows shown.
void TTableForm::fitToContent() {
    layout()->activate();
    QWidget* frame = frameWidget();
    if (frame->layout()) frame->layout()->activate();
    frame->resize(frame->sizeHint().expandedTo(frame->minimumSizeHint()));
}

void TTableForm::addAboveGrid(QVBoxLayout&) {}
void TTableForm::addBelowRowButtons(QVBoxLayout&) {}

// The top-left cell shows the table's row header title.
bool TTableForm::eventFilter(QObject* object, QEvent* event) {
    auto* corner = qobject_cast<QAbstractButton*>(object);
    if (!corner || event->type() != QEvent::Paint || !m_table)
        return QWidget::eventFilter(object, event);
    QPainter painter(corner);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.text = m_table->topLeft();
    option.textAlignment = Qt::AlignLeft | Qt::AlignTop;
    option.state |= QStyle::State_Enabled;
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
}

int TTableForm::columnWidth(const TColumn& column) const {
    const QFontMetrics metrics(m_grid->horizontalHeader()->font());
    int widest = 0;
    for (int i = 0; i < column.titleLineCount(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(column.titleLine(i) + "  "));
    const int least = static_cast<int>(column.minimumWidthInches() * pixelsPerInch(*this));
    return std::max(widest, least);
}

void TTableForm::fillHeader() {
    const int columns = m_table->visibleColumnCount();
    int headerRows = 0;
    for (int c = 0; c < columns; ++c)
        headerRows = std::max(headerRows, m_table->visibleColumn(c).titleLineCount());
    m_grid->setColumnCount(columns);
    for (int c = 0; c < columns; ++c) {
        const TColumn& column = m_table->visibleColumn(c);
        QStringList lines;
        for (int i = 0; i < headerRows; ++i)
            lines << (i < column.titleLineCount() ? column.titleLine(i) : QString());
        m_grid->setHorizontalHeaderItem(c, new QTableWidgetItem(lines.join(u'\n')));
        m_grid->setColumnWidth(c, columnWidth(column));
    }
    const QFontMetrics metrics(m_grid->verticalHeader()->font());
    const int rowNumberWidth =
        std::max(metrics.horizontalAdvance(m_table->topLeft() + "  "), pixelsPerInch(*this) / 3);
    m_grid->verticalHeader()->setFixedWidth(rowNumberWidth);
}

void TTableForm::fillRows() {
    const int rows = m_table->rowCount();
    m_grid->setRowCount(rows);
    const int rowHeight = QComboBox().sizeHint().height();
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    for (int r = 0; r < rows; ++r) {
        const int group = r / m_table->rowGroup() + 1;
        m_grid->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(group)));
        for (int c = 0; c < m_grid->columnCount(); ++c) {
            const TColumn& column = m_table->visibleColumn(c);
            auto* item = new QTableWidgetItem;
            if (column.usesCellControls())
                item->setFlags(Qt::NoItemFlags);
            else
                item->setText(column.text(r));
            m_grid->setItem(r, c, item);
        }
        placeCellControls(r);
    }
}

void TTableForm::placeCellControls(int row) {
    for (int c = 0; c < m_grid->columnCount(); ++c) {
        TColumn& column = m_table->visibleColumn(c);
        if (auto* choices = dynamic_cast<TEnumColumn*>(&column)) {
            auto* box = new QComboBox;
            box->addItems(choices->choices());
            box->setCurrentIndex(choices->integer(row) - 1);
            box->view()->setMinimumWidth(box->QComboBox::sizeHint().width());
            box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            box->setMinimumContentsLength(1);
            connect(box, &QComboBox::activated, this,
                    [this, row, c](int index) { chooseRow(row, c, index + 1); });
            m_grid->setCellWidget(row, c, box);
        } else if (auto* tables = dynamic_cast<TTableColumn*>(&column)) {
            auto* button = new QPushButton(tables->buttonCaption(row));
            button->setEnabled(tables->subTable(row) != nullptr);
            connect(button, &QPushButton::clicked, this, [this, row, c] { openSubTable(row, c); });
            m_grid->setCellWidget(row, c, button);
        }
    }
}

QWidget* TTableForm::cellControl(int row, int gridColumn) const {
    return m_grid->cellWidget(row, gridColumn);
}

void TTableForm::rebuild() {
    if (!m_table) return;
    m_rebuilding = true;
    const int row = m_grid->currentRow();
    const int column = m_grid->currentColumn();
    m_grid->setRowCount(0);
    fillHeader();
    fillRows();
    m_rowsShown = std::min(m_rowsShown, m_table->rowCount());
    updateGridSize();
    updateRowButtons();
    int target = column >= 0 && m_grid->isTextColumn(column) ? column : -1;
    for (int c = 0; target < 0 && c < m_grid->columnCount(); ++c)
        if (m_grid->isTextColumn(c)) target = c;
    if (target >= 0 && m_table->rowCount() > 0)
        m_grid->setCurrentCell(std::clamp(row, 0, m_table->rowCount() - 1), target);
    m_rebuilding = false;
    gridRebuilt();
}

int TTableForm::columnsShown() const { return std::min(m_columnsShown, m_grid->columnCount()); }

TGridMetrics TTableForm::gridMetrics() const {
    TGridMetrics m;
    for (int c = 0; c < m_grid->columnCount(); ++c)
        m.columnWidths.push_back(m_grid->columnWidth(c));
    m.rowCount = m_table->rowCount();
    m.rowHeight = m_grid->verticalHeader()->defaultSectionSize();
    const int frame = 2 * m_grid->frameWidth();
    m.fixedWidth = frame + m_grid->verticalHeader()->width();
    m.fixedHeight = frame + m_grid->horizontalHeader()->sizeHint().height();
    m.scrollBarWidth = m_grid->verticalScrollBar()->sizeHint().width();
    m.scrollBarHeight = m_grid->horizontalScrollBar()->sizeHint().height();
    return m;
}

void TTableForm::updateGridSize() {
    const TGridMetrics metrics = gridMetrics();
    const int columns = columnsShown();
    const int first = std::clamp(m_grid->columnAt(0), 0, m_grid->columnCount() - columns);
    const QSize size = gridLayout(metrics, first, columns, 0, m_rowsShown).size;
    m_grid->setPreferredSize(size);
    // A dragged edge may leave one column or one row.
    const int leastWidth =
        gridLayout(metrics, first, std::min(columns, 1), 0, m_rowsShown).size.width();
    const int leastHeight =
        gridLayout(metrics, first, columns, 0, std::min(m_rowsShown, 1)).size.height();
    m_grid->setMinimumHeight(leastHeight);
    m_grid->setMinimumWidth(std::max(leastWidth, std::min(size.width(), rowButtonTextWidth())));
}

void TTableForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_snapping && m_table && m_grid && isVisible()) snapToWholeCells();
}

// The window's size snaps to whole columns and rows of the grid.
void TTableForm::snapToWholeCells() {
    const QSize dragged = m_grid->size();
    const TGridMetrics metrics = gridMetrics();
    const TGridLayout snapped =
        snapGridLayout(metrics, dragged, m_grid->columnAt(0), m_grid->rowAt(0));
    m_rowsShown = snapped.rows;
    m_columnsShown = snapped.columns;
    if (snapped.firstRow == 0) m_grid->verticalScrollBar()->setValue(0);
    if (snapped.firstColumn == 0) m_grid->horizontalScrollBar()->setValue(0);
    updateGridSize();
    const QSize change = snapped.size - dragged;
    if (change.isNull()) return;
    QWidget* frame = frameWidget();
    m_snapping = true;
    frame->resize(frame->size() + change);
    m_snapping = false;
}

// The grid never becomes narrower than the row buttons.
int TTableForm::rowButtonTextWidth() const {
    int width = 0;
    for (const QPushButton* b : {m_add, m_insert, m_delete}) width += b->sizeHint().width();
    return width + 2 * pixelsPerInch(*this) / 20;
}

void TTableForm::updateRowButtons() {
    const int rows = m_table->rowCount();
    const bool belowMax = rows != m_table->maxRows();
    m_add->setEnabled(belowMax);
    m_insert->setEnabled(belowMax);
    m_delete->setEnabled(rows > m_table->minRows());
}

void TTableForm::refreshTexts() {
    for (int r = 0; r < m_grid->rowCount(); ++r)
        for (int c = 0; c < m_grid->columnCount(); ++c)
            if (m_grid->isTextColumn(c))
                m_grid->item(r, c)->setText(m_table->visibleColumn(c).text(r));
}

void TTableForm::refreshCell(int column, int row) {
    if (m_rebuilding || !m_table || row >= m_grid->rowCount()) return;
    const int c = m_table->visiblePosition(m_table->column(column));
    if (c < 0) return;
    TColumn& shown = m_table->visibleColumn(c);
    if (auto* tables = dynamic_cast<TTableColumn*>(&shown)) {
        if (auto* button = qobject_cast<QPushButton*>(m_grid->cellWidget(row, c))) {
            button->setText(tables->buttonCaption(row));
            button->setEnabled(tables->subTable(row) != nullptr);
        }
    } else if (auto* choices = dynamic_cast<TEnumColumn*>(&shown)) {
        if (auto* box = qobject_cast<QComboBox*>(m_grid->cellWidget(row, c)))
            box->setCurrentIndex(choices->integer(row) - 1);
    } else if (QTableWidgetItem* item = m_grid->item(row, c)) {
        item->setText(shown.text(row));
    }
}

bool TTableForm::commitCell(int row, int gridColumn) {
    if (m_rebuilding || m_committing || !m_table) return true;
    if (row >= m_table->rowCount() || !m_grid->isTextColumn(gridColumn)) return true;
    try {
        m_table->visibleColumn(gridColumn).setFromText(row, m_grid->item(row, gridColumn)->text());
    } catch (const ETableError& e) {
        showError(e.message());
        return false;
    }
    refreshTexts();
    return true;
}

void TTableForm::showError(const QString& message) {
    m_committing = true;
    prompts().information(this, message);
    m_committing = false;
}

bool TTableForm::storeValues() { return !m_table || m_grid->commitCurrent(); }

void TTableForm::leaveGrid() {
    if (m_committing || !m_table || !isVisible()) return;
    if (!storeValues()) m_grid->setFocus();
}

int TTableForm::dataRowForButtons() {
    const int row = m_grid->currentRow();
    if (row < 0 || row >= m_table->rowCount()) {
        showError(kRowNotValid);
        return -1;
    }
    return row;
}

// When all rows were shown, the new group is shown too (up to the most rows shown).
void TTableForm::growRowsShown(bool allShownBefore) {
    if (allShownBefore) m_rowsShown = std::min(m_rowsShown + m_table->rowGroup(), maxRowsShown());
}

void TTableForm::addRow() {
    if (!storeValues()) return;
    const bool allShown = m_rowsShown >= m_table->rowCount();
    m_table->addRowGroup();
    growRowsShown(allShown);
    m_table->setModified(true);
    rebuild();
    const int last = m_table->rowCount() - 1;
    m_grid->scrollToItem(m_grid->item(last, 0));
    fitToContent();
}

void TTableForm::insertRow() {
    if (!storeValues()) return;
    const int row = dataRowForButtons();
    if (row < 0) return;
    const bool allShown = m_rowsShown >= m_table->rowCount();
    m_table->insertRowGroup(row);
    growRowsShown(allShown);
    m_table->setModified(true);
    rebuild();
    fitToContent();
}

void TTableForm::deleteRow() {
    if (!storeValues()) return;
    const int row = dataRowForButtons();
    if (row < 0) return;
    m_table->deleteRowGroup(row);
    m_table->setModified(true);
    rebuild();
}

void TTableForm::chooseRow(int row, int gridColumn, int choice) {
    try {
        m_table->visibleColumn(gridColumn).setInteger(row, choice);
    } catch (const ETableError& e) {
        showError(e.message());
    }
    gridTouched();
}

void TTableForm::openSubTable(int row, int gridColumn) {
    if (!storeValues()) return;
    if (TGridTable* sub = m_table->visibleColumn(gridColumn).subTable(row))
        m_windows.show(*sub, m_modal, this);
}

void TTableForm::detach() {
    m_table = nullptr;
    frameWidget()->close();
}

void TTableForm::closeEvent(QCloseEvent* event) {
    if (m_table && !storeValues()) {
        event->ignore();
        return;
    }
    if (m_table) {
        disconnect(m_table, nullptr, this, nullptr);
        m_windows.closeSubTableWindows(*m_table);
    }
    disconnect(qApp, nullptr, this, nullptr);
    m_table = nullptr;
    event->accept();
}
