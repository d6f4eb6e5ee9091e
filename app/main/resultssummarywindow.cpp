#include "app/main/resultssummarywindow.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kQuantityColumn = 0;
constexpr int kUnitColumn = 1;
constexpr int kFirstProblemColumn = 2;

// Room around a column's widest text, and the widest a problem's column grows: longer texts
// (the report's warnings) wrap within it.
constexpr int kColumnPadding = 16;
constexpr int kWidestProblemColumn = 260;

QTableWidgetItem* cell(const std::string& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setToolTip(item->text());
    return item;
}

}  // namespace

TResultsSummaryWindow::TResultsSummaryWindow(keldra::results::SummaryTable summary, QWidget* parent)
    : QWidget(parent),
      m_summary(std::move(summary)),
      m_table(new QTableWidget(this)),
      m_notes(new QLabel(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Results Summary"));
    fillTable();
    m_notes->setWordWrap(true);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QStringList notes;
    for (const std::string& note : m_summary.notes) notes << QString::fromStdString(note);
    m_notes->setText(notes.join('\n'));

    auto* copyText = new QPushButton(QStringLiteral("Copy as Text"), this);
    auto* copyValues = new QPushButton(QStringLiteral("Copy as Tab-Separated Values"), this);
    auto* bar = new QHBoxLayout;
    for (QPushButton* button : {copyText, copyValues}) {
        button->setAutoDefault(false);
        bar->addWidget(button);
    }
    bar->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(bar);
    column->addWidget(m_table, 1);
    column->addWidget(m_notes);

    connect(copyText, &QPushButton::clicked, this, &TResultsSummaryWindow::copyAsText);
    connect(copyValues, &QPushButton::clicked, this,
            &TResultsSummaryWindow::copyAsTabSeparatedValues);
}

void TResultsSummaryWindow::fillTable() {
    QStringList headers{QStringLiteral("Quantity"), QStringLiteral("Unit")};
    for (const std::string& problem : m_summary.problems)
        headers << QString::fromStdString(problem);
    m_table->setColumnCount(static_cast<int>(headers.size()));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setRowCount(static_cast<int>(m_summary.rows.size()));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const keldra::results::SummaryTable::Row& row = m_summary.rows[r];
        m_table->setItem(r, kQuantityColumn, cell(row.quantity, Qt::AlignLeft));
        m_table->setItem(r, kUnitColumn, cell(row.unit, Qt::AlignLeft));
        for (std::size_t k = 0; k < row.cells.size(); ++k)
            m_table->setItem(r, kFirstProblemColumn + static_cast<int>(k),
                             cell(row.cells[k], Qt::AlignRight));
    }
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(true);
    m_table->resizeColumnsToContents();
    for (int c = 0; c < m_table->columnCount(); ++c) {
        const int width = m_table->columnWidth(c) + kColumnPadding;
        m_table->setColumnWidth(
            c, c >= kFirstProblemColumn ? std::min(width, kWidestProblemColumn) : width);
    }
    m_table->resizeRowsToContents();
    m_table->setCurrentItem(nullptr);
}

void TResultsSummaryWindow::copyAsText() const {
    QApplication::clipboard()->setText(
        QString::fromStdString(keldra::results::TableText(m_summary)));
}

void TResultsSummaryWindow::copyAsTabSeparatedValues() const {
    QApplication::clipboard()->setText(
        QString::fromStdString(keldra::results::TableTabSeparated(m_summary)));
}

QSize TResultsSummaryWindow::sizeHint() const {
    const int frame = 2 * m_table->frameWidth();
    int tableWidth = frame;
    for (int c = 0; c < m_table->columnCount(); ++c) tableWidth += m_table->columnWidth(c);
    int tableHeight = frame + m_table->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < m_table->rowCount(); ++r) tableHeight += m_table->rowHeight(r);
    // The layout's hint with the table's own hint replaced by the room its cells take; the
    // notes wrap to that width.
    const QSize table = m_table->sizeHint();
    const int width = std::max(QWidget::sizeHint().width(),
                               QWidget::sizeHint().width() - table.width() + tableWidth);
    return {width, layout()->totalHeightForWidth(width) - table.height() + tableHeight};
}
