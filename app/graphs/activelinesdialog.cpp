#include "app/graphs/activelinesdialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kSeparator = QStringLiteral("   ");

}  // namespace

TfrmActiveLines::TfrmActiveLines(const QStringList& names, const QStringList& markers,
                                 QWidget* parent)
    : QDialog(parent), m_names(names), m_markers(markers), m_lines(new QListWidget(this)) {
    setWindowTitle("Active Curves");
    setMinimumSize(190, 234);
    while (m_markers.size() < m_names.size()) m_markers << kActiveMarker;
    m_lines->setObjectName("lbLines");
    m_lines->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (int i = 0; i < m_names.size(); ++i)
        m_lines->addItem(m_markers[i] + kSeparator + m_names[i]);
    if (m_lines->count() > 0) m_lines->setCurrentRow(0);

    auto* toggleButton = new QPushButton("Activate/Deactivate Selected", this);
    auto* allOn = new QPushButton("Activate All", this);
    auto* allOff = new QPushButton("Deactivate All", this);
    auto* ok = new QPushButton("&OK", this);
    auto* cancel = new QPushButton("&Cancel", this);
    for (QPushButton* b : {toggleButton, allOn, allOff, cancel}) b->setAutoDefault(false);
    ok->setDefault(true);

    auto* headings = new QHBoxLayout;
    headings->addWidget(new QLabel("Active :", this));
    headings->addWidget(new QLabel("Curve", this), 1);
    auto* okCancel = new QHBoxLayout;
    okCancel->addWidget(ok);
    okCancel->addWidget(cancel);
    auto* column = new QVBoxLayout(this);
    column->setSpacing(10);
    column->addWidget(new QLabel("Select Curve to Active/Desactive", this));
    column->addLayout(headings);
    column->addWidget(m_lines, 1);
    column->addWidget(toggleButton);
    column->addWidget(allOn);
    column->addWidget(allOff);
    column->addLayout(okCancel);

    connect(m_lines, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { toggle(item); });
    connect(toggleButton, &QPushButton::clicked, this, [this] { toggleSelected(); });
    connect(allOn, &QPushButton::clicked, this, [this] { setAll(true); });
    connect(allOff, &QPushButton::clicked, this, [this] { setAll(false); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TfrmActiveLines::Toggled(const QString& marker) {
    return marker == kActiveMarker ? kInactiveMarker : kActiveMarker;
}

QStringList TfrmActiveLines::markers() const { return m_markers; }

void TfrmActiveLines::toggle(QListWidgetItem* item) {
    const int row = m_lines->row(item);
    if (row < 0) return;
    m_markers[row] = Toggled(m_markers[row]);
    item->setText(m_markers[row] + kSeparator + m_names[row]);
}

void TfrmActiveLines::toggleSelected() {
    const QList<QListWidgetItem*> selected = m_lines->selectedItems();
    if (selected.isEmpty()) {
        if (QListWidgetItem* current = m_lines->currentItem()) toggle(current);
        return;
    }
    for (QListWidgetItem* item : selected) toggle(item);
}

void TfrmActiveLines::setAll(bool active) {
    for (int row = 0; row < m_lines->count(); ++row) {
        m_markers[row] = active ? kActiveMarker : kInactiveMarker;
        m_lines->item(row)->setText(m_markers[row] + kSeparator + m_names[row]);
    }
}
