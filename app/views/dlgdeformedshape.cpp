#include "app/views/dlgdeformedshape.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/views/deformationfactor.h"
#include "app/views/dlgblock.h"

namespace {

QString generalFormat(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

}  // namespace

TDlgDeformedShape::TDlgDeformedShape(TDlgBlock& view)
    : QDialog(&view),
      m_view(view),
      m_showDeformed(new QCheckBox(QStringLiteral("Show Deformed Shape"), this)),
      m_showUndeformed(new QCheckBox(QStringLiteral("Show Undeformed Model"), this)),
      m_factor(new QLineEdit(this)),
      m_up(new QToolButton(this)),
      m_down(new QToolButton(this)),
      m_fit(new QPushButton(QStringLiteral("&Fit"), this)) {
    setWindowTitle(QStringLiteral("Deformed Shape"));
    m_factor->setObjectName(QStringLiteral("EditDefFactor"));
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    m_fit->setObjectName(QStringLiteral("Fit"));
    m_fit->setToolTip(
        QStringLiteral("Magnify the largest deflection to about a tenth of the wall length"));

    auto* upDown = new QVBoxLayout;
    upDown->setSpacing(0);
    upDown->addWidget(m_up);
    upDown->addWidget(m_down);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_showDeformed, 0, 0, 1, 3);
    layout->addWidget(m_showUndeformed, 1, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Deformed Shape Factor"), this), 2, 0);
    layout->addWidget(m_factor, 2, 1);
    layout->addLayout(upDown, 2, 2);
    layout->addWidget(m_fit, 2, 3);
    layout->addWidget(close, 3, 0, 1, 4, Qt::AlignRight);

    connect(m_showDeformed, &QCheckBox::toggled, this, [this](bool on) {
        TDisplaySwitches switches = m_view.switches();
        switches.deformedShape = on;
        m_view.setSwitches(switches);
        enableFactor();
    });
    connect(m_showUndeformed, &QCheckBox::toggled, this, [this](bool on) {
        TDisplaySwitches switches = m_view.switches();
        switches.undeformedModel = on;
        m_view.setSwitches(switches);
    });
    connect(m_factor, &QLineEdit::textEdited, this, &TDlgDeformedShape::factorEdited);
    connect(m_up, &QToolButton::clicked, this, [this] { stepFactor(true); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepFactor(false); });
    connect(m_fit, &QPushButton::clicked, this, &TDlgDeformedShape::fitFactor);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void TDlgDeformedShape::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refresh();
}

void TDlgDeformedShape::refresh() {
    const TDisplaySwitches& switches = m_view.switches();
    const QSignalBlocker blockDeformed(m_showDeformed);
    const QSignalBlocker blockUndeformed(m_showUndeformed);
    m_showDeformed->setChecked(switches.deformedShape);
    m_showUndeformed->setChecked(switches.undeformedModel);
    m_factor->setText(generalFormat(switches.deformationFactor));
    enableFactor();
}

void TDlgDeformedShape::enableFactor() {
    const bool on = m_showDeformed->isChecked();
    for (QWidget* widget :
         {static_cast<QWidget*>(m_showUndeformed), static_cast<QWidget*>(m_factor),
          static_cast<QWidget*>(m_up), static_cast<QWidget*>(m_down), static_cast<QWidget*>(m_fit)})
        widget->setEnabled(on);
}

void TDlgDeformedShape::factorEdited(const QString& text) {
    if (text.trimmed().isEmpty()) return;
    bool ok = false;
    const double factor = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok) return;  // a number being typed: wait for the rest
    TDisplaySwitches switches = m_view.switches();
    switches.deformationFactor = factor;
    m_view.setSwitches(switches);
}

void TDlgDeformedShape::stepFactor(bool up) {
    const double factor = m_view.switches().deformationFactor;
    setFactor(up ? DeformationFactor::stepUp(factor) : DeformationFactor::stepDown(factor));
}

void TDlgDeformedShape::fitFactor() {
    const double factor = DeformationFactor::fit(m_view.deflection(), m_view.wallLength());
    if (factor > 0.0) setFactor(factor);
}

void TDlgDeformedShape::setFactor(double factor) {
    TDisplaySwitches switches = m_view.switches();
    switches.deformationFactor = factor;
    m_factor->setText(generalFormat(factor));
    m_view.setSwitches(switches);
}
