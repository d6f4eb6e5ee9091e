#include "app/dialogs/dlgstaged.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kMinStages = 2;
constexpr int kMaxStages = 5;

const char* const kExplanation =
    "Each construction stage is analysed independently: the program does not trace the "
    "stress history from one stage to the next. For every stage the p-y curves are generated "
    "for that stage's excavation depth, wall height and water table.";

}  // namespace

TDlgStaged::TDlgStaged(int stageCount, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Staged Construction Options");
    auto* text = new QPlainTextEdit(kExplanation);
    text->setReadOnly(true);
    text->setMaximumHeight(90);

    m_staged = new QCheckBox("Conduct &Staged-Construction Analysis");
    m_count = new QLineEdit;
    m_count->setValidator(new QIntValidator(1, kMaxStages, m_count));
    m_count->setMaximumWidth(60);
    m_up = new QToolButton;
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton;
    m_down->setArrowType(Qt::DownArrow);

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel("Enter the total number of stages (Max. = 5, Min =2)"));
    countRow->addWidget(m_count);
    countRow->addWidget(m_up);
    countRow->addWidget(m_down);
    countRow->addStretch();
    auto* group = new QGroupBox;
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_staged);
    groupLayout->addLayout(countRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(group);
    layout->addWidget(buttons);

    connect(m_staged, &QCheckBox::clicked, this, &TDlgStaged::setStaged);
    connect(m_up, &QToolButton::clicked, this, [this] { step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        emit stageCountChosen(this->stageCount());
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    showCount(stageCount);
    const bool staged = stageCount > 1;
    m_staged->setChecked(staged);
    m_count->setEnabled(staged);
    m_up->setEnabled(staged);
    m_down->setEnabled(staged);
}

int TDlgStaged::stageCount() const { return std::clamp(m_count->text().toInt(), 1, kMaxStages); }

void TDlgStaged::showCount(int count) { m_count->setText(QString::number(count)); }

void TDlgStaged::setStaged(bool staged) {
    const int shown = m_count->text().toInt();
    if (staged && shown <= 1) showCount(kMinStages);
    if (!staged) showCount(1);
    m_count->setEnabled(staged);
    m_up->setEnabled(staged);
    m_down->setEnabled(staged);
}

void TDlgStaged::step(int by) {
    const int shown = m_count->text().toInt();
    if (by > 0 && shown < kMaxStages) showCount(shown + 1);
    if (by < 0 && shown > kMinStages) showCount(shown - 1);
}
