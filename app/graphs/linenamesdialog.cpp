#include "app/graphs/linenamesdialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QResizeEvent>

#include "app/graphs/curvecolours.h"

namespace {

constexpr int kGap = 5;
constexpr int kMargin = 10;
constexpr int kButtonInset = 20;

}  // namespace

TfrmLineNames::TfrmLineNames(const QStringList& names, QWidget* parent)
    : QDialog(parent),
      m_selectLabel(new QLabel("Select line to modify:", this)),
      m_lines(new QListWidget(this)),
      m_typeLabel(new QLabel("Type new legend below:", this)),
      m_edit(new QLineEdit(this)),
      m_ok(new QPushButton("&OK", this)),
      m_cancel(new QPushButton("&Cancel", this)),
      m_message(PlainMessageBox(this)) {
    setWindowTitle("Legend");
    setMinimumSize(195, 167);
    m_lines->setObjectName("lbLines");
    m_edit->setObjectName("edLine");
    m_lines->addItems(names);
    m_ok->setDefault(false);
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_lines, &QListWidget::currentRowChanged, this, [this](int row) { showEntry(row); });
    connect(m_lines, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { showEntry(m_lines->row(item)); });
    // Enter and leaving the edit both take its text.
    connect(m_edit, &QLineEdit::editingFinished, this, [this] { commitEdit(); });
    if (!names.isEmpty()) m_lines->setCurrentRow(0);
    resize(260, 240);
    layOut();
}

QStringList TfrmLineNames::names() const {
    QStringList out;
    for (int i = 0; i < m_lines->count(); ++i) out << m_lines->item(i)->text();
    return out;
}

void TfrmLineNames::showEntry(int row) {
    if (row < 0 || row >= m_lines->count()) return;
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Text, CurveColour(row));
    m_edit->setPalette(palette);
    m_edit->setText(m_lines->item(row)->text());
}

void TfrmLineNames::commitEdit() {
    QListWidgetItem* item = m_lines->currentItem();
    if (!item) return;
    if (m_edit->text().isEmpty()) {
        // The old name comes back before the message, so that losing the focus to the message
        // box finds nothing to refuse a second time.
        m_edit->setText(item->text());
        m_message("The line must have a name!");
        return;
    }
    item->setText(m_edit->text());
}

void TfrmLineNames::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

void TfrmLineNames::layOut() {
    const int width = this->width() - 2 * kMargin;
    int y = kGap;
    auto place = [&](QWidget* w, int height) {
        w->setGeometry(kMargin, y, width, height);
        y += height + kGap;
    };
    const int lineHeight = m_edit->sizeHint().height();
    const int buttonHeight = m_ok->sizeHint().height();
    place(m_selectLabel, m_selectLabel->sizeHint().height());
    const int fixedBelow = m_typeLabel->sizeHint().height() + lineHeight + buttonHeight + 4 * kGap;
    place(m_lines, std::max(20, height() - y - fixedBelow));
    place(m_typeLabel, m_typeLabel->sizeHint().height());
    place(m_edit, lineHeight);
    const int buttonWidth = m_ok->sizeHint().width();
    m_ok->setGeometry(kButtonInset, y, buttonWidth, buttonHeight);
    m_cancel->setGeometry(this->width() - kButtonInset - buttonWidth, y, buttonWidth, buttonHeight);
}
